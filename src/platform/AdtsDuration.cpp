#include "platform/AdtsDuration.h"

#include <QFile>
#include <array>

namespace brindlecast {

namespace {

constexpr std::array<int, 13> kSampleRates{96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                           22050, 16000, 12000, 11025, 8000,  7350};
constexpr qint64 kHeaderBytes = 7;
constexpr qint64 kSamplesPerBlock = 1024;

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
    qint64 position = 0;
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
