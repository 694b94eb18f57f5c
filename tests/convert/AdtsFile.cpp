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
