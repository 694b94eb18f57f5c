#pragma once

#include <QByteArray>
#include <QString>

namespace brindlecast::test {

struct WavFormat {
    int sampleRate = 44100;
    int channels = 2;
    int bitsPerSample = 16; // 8 or 16
    double seconds = 1.0;
};

// A PCM WAV file of tones with a little noise (so an encoder cannot make it almost nothing):
// RIFF header, "fmt " and "data" chunks, little-endian samples.
QByteArray wavBytes(const WavFormat& format);

// Writes wavBytes(format) to the path; false when it cannot.
bool writeWav(const QString& path, const WavFormat& format);

// What a well-formed ADTS (AAC) stream at the path holds: its frames chained from the first byte
// to the last, each starting with the sync word 0xFFF.
struct AdtsSummary {
    bool valid = false;
    int frames = 0;
    int sampleRate = 0;
    qint64 bytes = 0;
    double seconds() const { return sampleRate ? frames * 1024.0 / sampleRate : 0.0; }
};
AdtsSummary readAdts(const QString& path);

} // namespace brindlecast::test
