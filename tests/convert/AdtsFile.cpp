// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/AdtsFile.h"

#include <QFile>

namespace brindlecast::test {

AdtsSummary readAdts(const QString& path)
{
    static const int rates[] = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                22050, 16000, 12000, 11025, 8000,  7350};
    AdtsSummary summary;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return summary;
    const QByteArray data = file.readAll();
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    qsizetype at = 0;
    // The input's tags come first, as an ID3v2 tag: a header of ten bytes, then the tag's size
    // in four bytes of seven bits each.
    if (data.size() >= 10 && data.startsWith("ID3")) {
        summary.id3Bytes =
            10 + ((p[6] & 0x7F) << 21 | (p[7] & 0x7F) << 14 | (p[8] & 0x7F) << 7 | (p[9] & 0x7F));
        at = summary.id3Bytes;
    }
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
    summary.bytes = data.size() - summary.id3Bytes;
    summary.valid = at == data.size() && summary.frames > 0;
    return summary;
}

} // namespace brindlecast::test
