// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/TimeLeft.h"

#include <QString>

namespace brindlecast {

// How the files of one run have ended so far.
struct BatchCounts {
    int total = 0;
    int converted = 0;
    int failed = 0;
    int skipped = 0;
    int atFallbackRate = 0; // converted at the fallback rate: their own could not be read

    int done() const { return converted + failed + skipped; }
};

// "N of M files converted, K failed, S skipped in T s".
QString summaryLine(const BatchCounts& counts, double seconds);

// Why some files have another bit rate than their input's, or "" when none has.
QString fallbackRateLine(const BatchCounts& counts);

// The live line: files done of all, the share of the work done (by input size), the time so
// far and the time still to go, estimated from the pace so far.
QString progressLine(const BatchCounts& counts, double fractionDone, double elapsedSeconds);

} // namespace brindlecast
