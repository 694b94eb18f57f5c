// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace brindlecast {

// The layout of a PCM WAV file and how long it lasts.
struct WavFormat {
    int sampleRate = 44100;
    int channels = 2;
    int bitsPerSample = 16; // 8 (unsigned) or 16 (signed)
    double seconds = 1.0;

    qint64 frames() const;
};

// One channel's sample at one frame, in [-1, 1]; a value beyond is clipped to full scale.
using WavSignal = std::function<double(qint64 frame, int channel)>;

// A canonical PCM WAV file: RIFF header, "fmt " and "data" chunks, little-endian samples. The
// signal is asked frame by frame, channel by channel, in order.
QByteArray wavBytes(const WavFormat& format, const WavSignal& signal);

// Tones with a little noise (so that an encoder cannot make them almost nothing).
QByteArray wavBytes(const WavFormat& format);

// Writes wavBytes to the path, whole or not at all; false when it cannot.
bool writeWav(const QString& path, const WavFormat& format, const WavSignal& signal);
bool writeWav(const QString& path, const WavFormat& format);

} // namespace brindlecast
