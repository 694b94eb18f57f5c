#include "support/WavFile.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <numbers>

namespace brindlecast::test {

namespace {

void putLe(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray wavBytes(const WavFormat& format)
{
    const int bytesPerSample = format.bitsPerSample / 8;
    const quint32 frames = quint32(std::lround(format.sampleRate * format.seconds));
    const quint32 dataSize = frames * format.channels * bytesPerSample;
    QByteArray bytes;
    bytes.reserve(44 + int(dataSize));
    bytes.append("RIFF");
    putLe(bytes, 36 + dataSize, 4);
    bytes.append("WAVEfmt ");
    putLe(bytes, 16, 4);
    putLe(bytes, 1, 2); // PCM
    putLe(bytes, format.channels, 2);
    putLe(bytes, format.sampleRate, 4);
    putLe(bytes, format.sampleRate * format.channels * bytesPerSample, 4);
    putLe(bytes, format.channels * bytesPerSample, 2);
    putLe(bytes, format.bitsPerSample, 2);
    bytes.append("data");
    putLe(bytes, dataSize, 4);

    quint32 noise = 12345;
    for (quint32 i = 0; i < frames; ++i) {
        const double t = double(i) / format.sampleRate;
        for (int channel = 0; channel < format.channels; ++channel) {
            noise = noise * 1664525u + 1013904223u;
            const double tone = 0.4 * std::sin(2 * std::numbers::pi * (330.0 + 110 * channel) * t) +
                                0.2 * std::sin(2 * std::numbers::pi * 1250.0 * t) +
                                0.1 * (double(noise >> 8) / double(1u << 24) - 0.5);
            if (format.bitsPerSample == 8)
                putLe(bytes, quint32(std::lround(128 + 127 * tone)), 1);
            else
                putLe(bytes, quint32(qint16(std::lround(32767 * tone))) & 0xFFFF, 2);
        }
    }
    return bytes;
}

bool writeWav(const QString& path, const WavFormat& format)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wavBytes(format)) >= 0;
}

AdtsSummary readAdts(const QString& path)
{
    static const int rates[] = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                22050, 16000, 12000, 11025, 8000,  7350};
    AdtsSummary summary;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return summary;
    const QByteArray data = file.readAll();
    summary.bytes = data.size();
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    qsizetype at = 0;
    while (at + 7 <= data.size()) {
        if (p[at] != 0xFF || (p[at + 1] & 0xF0) != 0xF0)
            return summary;
        const int rateIndex = (p[at + 2] >> 2) & 0x0F;
        const int length = ((p[at + 3] & 0x03) << 11) | (p[at + 4] << 3) | (p[at + 5] >> 5);
        if (rateIndex > 12 || length < 7)
            return summary;
        summary.sampleRate = rates[rateIndex];
        ++summary.frames;
        at += length;
    }
    summary.valid = at == data.size() && summary.frames > 0;
    return summary;
}

} // namespace brindlecast::test
