// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav/WavFile.h"

#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace brindlecast {

namespace {

constexpr int kHeaderSize = 44;

char* putLe(char* at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        *at++ = char((value >> (8 * i)) & 0xFF);
    return at;
}

// Uniform in [-0.5, 0.5), the same for the same frame and channel.
double noiseAt(qint64 frame, int channel)
{
    quint64 x = quint64(frame) * 0x9E3779B97F4A7C15ull + quint64(channel) * 0xBF58476D1CE4E5B9ull;
    x ^= x >> 31;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 29;
    return double(x >> 40) / double(1ull << 24) - 0.5;
}

bool save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

qint64 WavFormat::frames() const
{
    return std::llround(sampleRate * seconds);
}

QByteArray wavBytes(const WavFormat& format, const WavSignal& signal)
{
    const int bytesPerSample = format.bitsPerSample / 8;
    const qint64 frames = format.frames();
    const quint32 dataSize = quint32(frames * format.channels * bytesPerSample);
    // A chunk of odd size is followed by a pad byte (8-bit mono with an odd number of frames).
    const quint32 padding = dataSize & 1;
    QByteArray bytes(kHeaderSize + qsizetype(dataSize + padding), Qt::Uninitialized);
    char* at = bytes.data();
    at = std::copy_n("RIFF", 4, at);
    at = putLe(at, 36 + dataSize + padding, 4);
    at = std::copy_n("WAVEfmt ", 8, at);
    at = putLe(at, 16, 4);
    at = putLe(at, 1, 2); // PCM
    at = putLe(at, format.channels, 2);
    at = putLe(at, format.sampleRate, 4);
    at = putLe(at, format.sampleRate * format.channels * bytesPerSample, 4);
    at = putLe(at, format.channels * bytesPerSample, 2);
    at = putLe(at, format.bitsPerSample, 2);
    at = std::copy_n("data", 4, at);
    at = putLe(at, dataSize, 4);

    for (qint64 frame = 0; frame < frames; ++frame) {
        for (int channel = 0; channel < format.channels; ++channel) {
            const double value = std::clamp(signal(frame, channel), -1.0, 1.0);
            if (format.bitsPerSample == 8)
                at = putLe(at, quint32(std::lround(128 + 127 * value)), 1);
            else
                at = putLe(at, quint32(qint16(std::lround(32767 * value))) & 0xFFFF, 2);
        }
    }
    if (padding)
        *at = 0;
    return bytes;
}

QByteArray wavBytes(const WavFormat& format)
{
    const double rate = format.sampleRate;
    return wavBytes(format, [rate](qint64 frame, int channel) {
        const double t = double(frame) / rate;
        return 0.4 * std::sin(2 * std::numbers::pi * (330.0 + 110 * channel) * t) +
               0.2 * std::sin(2 * std::numbers::pi * 1250.0 * t) + 0.1 * noiseAt(frame, channel);
    });
}

bool writeWav(const QString& path, const WavFormat& format, const WavSignal& signal)
{
    return save(path, wavBytes(format, signal));
}

bool writeWav(const QString& path, const WavFormat& format)
{
    return save(path, wavBytes(format));
}

} // namespace brindlecast
