// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast::test {

// What a well-formed ADTS (AAC) stream at the path holds: after an ID3v2 tag, if it has one, its
// frames chained to the last byte, each starting with the sync word 0xFFF.
struct AdtsSummary {
    bool valid = false;
    int frames = 0;
    int sampleRate = 0;
    qint64 id3Bytes = 0; // the tag's, its header included
    qint64 bytes = 0;    // the frames'
    double seconds() const { return sampleRate ? frames * 1024.0 / sampleRate : 0.0; }
};
AdtsSummary readAdts(const QString& path);

} // namespace brindlecast::test
