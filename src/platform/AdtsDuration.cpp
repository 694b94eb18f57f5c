// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AdtsDuration.h"

#include <QFile>
#include <array>

namespace brindlecast {

namespace {

constexpr std::array<int, 13> kSampleRates{96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                           22050, 16000, 12000, 11025, 8000,  7350};
constexpr qint64 kHeaderBytes = 7;
constexpr qint64 kSamplesPerBlock = 1024;

// The bytes of an ID3v2 tag at the start (a tagged output carries one before its first frame),
// or 0 when there is none: the header, its size in four 7-bit bytes, and a footer when flagged.
qint64 leadingTagBytes(const uchar* bytes, qint64 size)
{
    constexpr qint64 kTagHeaderBytes = 10;
    if (size < kTagHeaderBytes || bytes[0] != 'I' || bytes[1] != 'D' || bytes[2] != '3')
        return 0;
    qint64 tagBytes = 0;
    for (int i = 6; i < 10; ++i)
        tagBytes = (tagBytes << 7) | (bytes[i] & 0x7F);
    const bool hasFooter = (bytes[5] & 0x10) != 0;
    return kTagHeaderBytes + tagBytes + (hasFooter ? kTagHeaderBytes : 0);
}

} // namespace

std::optional<double> adtsDurationSeconds(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < kHeaderBytes)
        return std::nullopt;
    const qint64 size = file.size();
    const uchar* bytes = file.map(0, size);
    if (!bytes)
        return std::nullopt;
    qint64 position = leadingTagBytes(bytes, size);
    qint64 samples = 0;
    int sampleRate = 0;
    while (position + kHeaderBytes <= size) {
        const uchar* header = bytes + position;
        if (header[0] != 0xFF || (header[1] & 0xF6) != 0xF0)
            break; // no frame here: the stream ends
        const int rateIndex = (header[2] >> 2) & 0x0F;
        const qint64 frameBytes = ((header[3] & 0x03) << 11) | (header[4] << 3) | (header[5] >> 5);
        if (rateIndex >= int(kSampleRates.size()) || frameBytes < kHeaderBytes ||
            position + frameBytes > size)
            break; // a damaged or cut-off frame plays nothing
        if (sampleRate != 0 && kSampleRates[rateIndex] != sampleRate)
            break;
        sampleRate = kSampleRates[rateIndex];
        samples += kSamplesPerBlock * ((header[6] & 0x03) + 1);
        position += frameBytes;
    }
    file.unmap(const_cast<uchar*>(bytes));
    if (sampleRate == 0)
        return std::nullopt;
    return double(samples) / sampleRate;
}

} // namespace brindlecast
