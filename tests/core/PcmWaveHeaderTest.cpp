// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PcmWaveHeader.h"

#include "wav/WavFile.h"

#include <QList>
#include <QtEndian>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

QByteArray le(quint32 value, int size)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes.left(size);
}

// A chunk of the size its body has, or of the size given; an odd one gets its pad byte.
QByteArray chunk(const QByteArray& id, QByteArray body, std::optional<quint32> size = {})
{
    const QByteArray header = id + le(size.value_or(quint32(body.size())), 4);
    if (body.size() % 2 != 0)
        body.append('\0');
    return header + body;
}

// A "fmt " body; an extensible one carries the subformat GUID given in hex.
QByteArray format(quint16 tag, quint16 channels, quint32 rate, quint16 bits,
                  const QByteArray& subformat = {})
{
    const quint16 align = quint16(channels * bits / 8);
    QByteArray body = le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) +
                      le(align, 2) + le(bits, 2);
    if (!subformat.isEmpty())
        body += le(22, 2) + le(bits, 2) + le(7, 4) + QByteArray::fromHex(subformat);
    return body;
}

QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}

std::optional<double> secondsOf(const QByteArray& file)
{
    return pcmWaveSeconds(
        file.size(), [&file](qint64 offset, qint64 length) { return file.mid(offset, length); });
}

const QByteArray kPcmGuid = "0100000000001000800000aa00389b71";
const QByteArray kFloatGuid = "0300000000001000800000aa00389b71";
const QByteArray kPcm16Mono = format(1, 1, 8000, 16); // 16000 bytes a second

TEST(PcmWaveHeader, TellsTheLengthOfIntegerPcm)
{
    EXPECT_EQ(secondsOf(wavBytes({8000, 1, 16, 0.5})), 0.5);
    EXPECT_EQ(secondsOf(wavBytes({44100, 2, 16, 2.0})), 2.0);
    // 8-bit mono of an odd number of frames: the data chunk's pad byte is no sample.
    EXPECT_EQ(secondsOf(wavBytes({11025, 1, 8, 3.0 / 11025})), 3.0 / 11025);
    // 24-bit in three channels, as the extensible format states it.
    EXPECT_EQ(secondsOf(riff(chunk("fmt ", format(0xFFFE, 3, 48000, 24, kPcmGuid)) +
                             chunk("data", QByteArray(3 * 3 * 48000, '\0')))),
              1.0);
    // Chunks of odd size before the samples are skipped with their pad bytes.
    EXPECT_EQ(secondsOf(riff(chunk("fmt ", kPcm16Mono) + chunk("LIST", "INFOabc") +
                             chunk("data", QByteArray(8000, '\0')) + chunk("id3 ", "x"))),
              0.5);
}

TEST(PcmWaveHeader, CountsOnlyTheSamplesInTheFile)
{
    const QByteArray whole = riff(chunk("fmt ", kPcm16Mono) + chunk("data", QByteArray(16000, 1)));
    EXPECT_EQ(secondsOf(whole.chopped(8000)), 0.5);
    EXPECT_EQ(
        secondsOf(riff(chunk("fmt ", kPcm16Mono) + chunk("data", QByteArray(4000, 1), 0xFFFFFFFF))),
        0.25);
}

TEST(PcmWaveHeader, AnythingElseHasNoExactLength)
{
    const QByteArray samples = chunk("data", QByteArray(16000, 1));
    const QList<QByteArray> others = {
        {},
        "RIFF",
        riff({}),
        "RIFX" + riff(chunk("fmt ", kPcm16Mono) + samples).mid(4),
        riff(chunk("fmt ", format(3, 1, 8000, 32)) + samples),                  // float
        riff(chunk("fmt ", format(2, 1, 8000, 4)) + samples),                   // ADPCM
        riff(chunk("fmt ", format(0xFFFE, 1, 8000, 32, kFloatGuid)) + samples), // float
        riff(chunk("fmt ", format(0xFFFE, 1, 8000, 16)) + samples),             // no GUID
        riff(chunk("fmt ", kPcm16Mono.left(14)) + samples),
        riff(chunk("fmt ", format(1, 1, 0, 16)) + samples),
        riff(samples + chunk("fmt ", kPcm16Mono)),
        riff(chunk("fmt ", kPcm16Mono) + chunk("data", {})),
        // A chunk that claims more than the file holds hides whatever follows.
        riff(chunk("fmt ", kPcm16Mono) + chunk("LIST", "INFO", 1u << 30) + samples),
        riff(chunk("fmt ", kPcm16Mono) + chunk("junk", "junkjunk")),
        QByteArray("RIFF\x10\x00\x00\x00WAVEjunkjunkjunk", 24),
    };
    for (const QByteArray& file : others)
        EXPECT_EQ(secondsOf(file), std::nullopt) << file.toHex().left(120).toStdString();
}

} // namespace
} // namespace brindlecast::test
