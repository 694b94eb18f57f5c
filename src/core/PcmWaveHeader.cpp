// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PcmWaveHeader.h"

#include <QtEndian>
#include <algorithm>

namespace brindlecast {

namespace {

constexpr qint64 kChunkHeaderBytes = 8;
constexpr qint64 kPlainFormatBytes = 16;
constexpr qint64 kExtensibleFormatBytes = 40;
constexpr quint16 kFormatPcm = 0x0001;
constexpr quint16 kFormatExtensible = 0xFFFE;
// Real files have a handful of chunks; the walk stops well before a crafted one is slow.
constexpr int kMostChunks = 4096;

// The PCM subformat GUID 00000001-0000-0010-8000-00AA00389B71, as it is stored.
constexpr auto kPcmSubformatHex = "0100000000001000800000aa00389b71";

quint16 u16(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Bytes per second of integer PCM as the "fmt " chunk describes it, or 0 for anything else.
double pcmBytesPerSecond(const QByteArray& format)
{
    const quint16 tag = u16(format, 0);
    if (tag == kFormatExtensible) {
        const bool pcm = format.size() >= kExtensibleFormatBytes && u16(format, 16) >= 22 &&
                         format.mid(24, 16) == QByteArray::fromHex(kPcmSubformatHex);
        if (!pcm)
            return 0;
    } else if (tag != kFormatPcm) {
        return 0;
    }
    const quint16 channels = u16(format, 2);
    const quint32 sampleRate = u32(format, 4);
    const quint16 blockAlign = u16(format, 12);
    if (channels == 0)
        return 0;
    return double(sampleRate) * blockAlign;
}

} // namespace

std::optional<double> pcmWaveSeconds(qint64 fileSize, const FileBytesAt& bytesAt)
{
    const QByteArray riff = bytesAt(0, 12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    double bytesPerSecond = 0;
    qint64 offset = 12;
    for (int chunk = 0; chunk < kMostChunks && offset + kChunkHeaderBytes <= fileSize; ++chunk) {
        const QByteArray header = bytesAt(offset, kChunkHeaderBytes);
        if (header.size() < kChunkHeaderBytes)
            return std::nullopt;
        const qint64 size = u32(header, 4);
        const qint64 body = offset + kChunkHeaderBytes;
        if (header.startsWith("fmt ")) {
            const qint64 wanted = std::min(size, kExtensibleFormatBytes);
            const QByteArray format = bytesAt(body, wanted);
            if (size < kPlainFormatBytes || format.size() < wanted)
                return std::nullopt;
            bytesPerSecond = pcmBytesPerSecond(format);
            if (bytesPerSecond <= 0)
                return std::nullopt;
        } else if (header.startsWith("data")) {
            // Samples before any format cannot be timed.
            const qint64 present = std::min(size, fileSize - body);
            if (bytesPerSecond <= 0 || present <= 0)
                return std::nullopt;
            return double(present) / bytesPerSecond;
        }
        offset = body + size + (size & 1); // a chunk of odd size is followed by a pad byte
    }
    return std::nullopt;
}

} // namespace brindlecast
