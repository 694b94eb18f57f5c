// SPDX-License-Identifier: GPL-3.0-or-later
// The recordings that the build lays in "Samples" beside the executable: each one a well-formed
// PCM WAV file a few seconds long, clearly audible yet never clipped, starting and ending
// without a click, and read by the real MediaInfo with the bit rate its format implies.
#include "platform/MediaInfoLibrary.h"
#include "platform/MediaInfoProbe.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace brindlecast::test {

namespace {

struct Recording {
    const char* fileName;
    int sampleRate;
    int channels;
    int bitsPerSample;
};

void PrintTo(const Recording& recording, std::ostream* out)
{
    *out << recording.fileName;
}

const Recording kRecordings[] = {
    {"Chord Progression.wav", 44100, 2, 16}, {"Little Melody.wav", 48000, 2, 16},
    {"Music Box.wav", 22050, 1, 16},         {"Evening Pad.wav", 16000, 1, 16},
    {"Old Radio Tune.wav", 11025, 1, 8},
};

QString samplesFolder()
{
    return QStringLiteral(BRINDLECAST_APP_DIR "/Samples");
}

QString samplePath(const Recording& recording)
{
    return samplesFolder() + u'/' + QString::fromLatin1(recording.fileName);
}

// The fields of a RIFF/WAVE file, read by walking its chunks; problem says what is wrong.
struct WavFields {
    QString problem;
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    QByteArray data;
};

WavFields readWavFields(const QString& path)
{
    WavFields fields;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fields.problem = QStringLiteral("cannot be opened");
        return fields;
    }
    const QByteArray bytes = file.readAll();
    const auto u16 = [&bytes](qsizetype at) {
        return qFromLittleEndian<quint16>(bytes.data() + at);
    };
    const auto u32 = [&bytes](qsizetype at) {
        return qFromLittleEndian<quint32>(bytes.data() + at);
    };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        fields.problem = QStringLiteral("is not RIFF/WAVE");
        return fields;
    }
    if (u32(4) != quint32(bytes.size() - 8)) {
        fields.problem =
            QStringLiteral("has a RIFF size of %1 for %2 bytes").arg(u32(4)).arg(bytes.size());
        return fields;
    }
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) {
            fields.problem = QStringLiteral("has a chunk \"%1\" running past the end")
                                 .arg(QString::fromLatin1(id));
            return fields;
        }
        if (id == "fmt " && size >= 16) {
            haveFormat = true;
            fields.formatTag = u16(body);
            fields.channels = u16(body + 2);
            fields.sampleRate = int(u32(body + 4));
            fields.byteRate = int(u32(body + 8));
            fields.blockAlign = u16(body + 12);
            fields.bitsPerSample = u16(body + 14);
        } else if (id == "data") {
            haveData = true;
            fields.data = bytes.mid(body, size);
        }
        at = body + size + (size & 1);
    }
    if (at > bytes.size())
        fields.problem = QStringLiteral("lacks the pad byte after its odd-sized last chunk");
    else if (at != bytes.size())
        fields.problem = QStringLiteral("has %1 stray bytes at the end").arg(bytes.size() - at);
    else if (!haveFormat || !haveData)
        fields.problem = QStringLiteral("lacks its \"fmt \" or \"data\" chunk");
    return fields;
}

// Every sample of every channel, full scale being 1; clipped counts those at full scale.
struct Levels {
    double peak = 0.0;
    qsizetype clipped = 0;
    double edgePeak = 0.0; // the loudest of the first and the last millisecond
};

Levels levelsOf(const WavFields& wav)
{
    Levels levels;
    const int bytesPerSample = wav.bitsPerSample / 8;
    const qsizetype count = wav.data.size() / bytesPerSample;
    const qsizetype edge = qsizetype(wav.sampleRate / 1000) * wav.channels;
    const auto* p = reinterpret_cast<const uchar*>(wav.data.constData());
    for (qsizetype i = 0; i < count; ++i) {
        double value = 0.0;
        if (bytesPerSample == 1) {
            value = (p[i] - 128) / 128.0;
            levels.clipped += p[i] == 0 || p[i] == 255;
        } else {
            const qint16 sample = qFromLittleEndian<qint16>(p + 2 * i);
            value = sample / 32768.0;
            levels.clipped += sample == -32768 || sample == 32767;
        }
        levels.peak = std::max(levels.peak, std::abs(value));
        if (i < edge || i >= count - edge)
            levels.edgePeak = std::max(levels.edgePeak, std::abs(value));
    }
    return levels;
}

TEST(SamplesFolder, HoldsTheRecordingsAndNothingElse)
{
    QStringList expected;
    for (const Recording& recording : kRecordings)
        expected.append(QString::fromLatin1(recording.fileName));
    expected.sort();
    const QStringList found =
        QDir(samplesFolder())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    EXPECT_EQ(found, expected) << samplesFolder().toStdString();
}

class SampleRecordingTest : public ::testing::TestWithParam<Recording> {};

TEST_P(SampleRecordingTest, IsAWellFormedPcmWavOfItsFormat)
{
    const Recording& recording = GetParam();
    const WavFields wav = readWavFields(samplePath(recording));
    ASSERT_TRUE(wav.problem.isEmpty()) << recording.fileName << ' ' << wav.problem.toStdString();
    EXPECT_EQ(wav.formatTag, 1); // integer PCM
    EXPECT_EQ(wav.sampleRate, recording.sampleRate);
    EXPECT_EQ(wav.channels, recording.channels);
    EXPECT_EQ(wav.bitsPerSample, recording.bitsPerSample);
    EXPECT_EQ(wav.blockAlign, wav.channels * wav.bitsPerSample / 8);
    EXPECT_EQ(wav.byteRate, wav.sampleRate * wav.blockAlign);
    ASSERT_GT(wav.blockAlign, 0);
    EXPECT_EQ(wav.data.size() % wav.blockAlign, 0) << "a partial frame at the end";
    const double seconds = double(wav.data.size()) / wav.byteRate;
    EXPECT_GE(seconds, 2.0);
    EXPECT_LE(seconds, 8.0);
}

TEST_P(SampleRecordingTest, IsClearlyAudibleWithoutClippingOrClicks)
{
    const WavFields wav = readWavFields(samplePath(GetParam()));
    ASSERT_TRUE(wav.problem.isEmpty()) << wav.problem.toStdString();
    const Levels levels = levelsOf(wav);
    EXPECT_GT(levels.peak, 0.25); // louder than -12 dBFS
    EXPECT_LT(levels.peak, 0.95);
    EXPECT_EQ(levels.clipped, 0);
    EXPECT_LT(levels.edgePeak, 0.02) << "starts or ends abruptly";
}

TEST_P(SampleRecordingTest, MediaInfoReadsTheBitRateOfItsFormat)
{
    const Recording& recording = GetParam();
    MediaInfoLibrary library;
    const int kbps =
        qRound(recording.sampleRate * recording.channels * recording.bitsPerSample / 1000.0);
    // The entry's text would come back if MediaInfo had no answer.
    EXPECT_EQ(getAudioBitRate(library, samplePath(recording), QStringLiteral("8 kbps")),
              QString::number(kbps) + u'k');
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleRecordingTest, ::testing::ValuesIn(kRecordings),
                         [](const ::testing::TestParamInfo<Recording>& entry) {
                             std::string name = entry.param.fileName;
                             name.erase(name.find('.'));
                             std::erase(name, ' ');
                             return name;
                         });

} // namespace

} // namespace brindlecast::test
