// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchReport.h"

#include "core/ConstantBitRates.h"
#include "core/TimeLeft.h"

#include <algorithm>
#include <cmath>

namespace brindlecast {

QString summaryLine(const BatchCounts& counts, double seconds)
{
    return QStringLiteral("%1 of %2 files converted, %3 failed, %4 skipped in %5 s")
        .arg(counts.converted)
        .arg(counts.total)
        .arg(counts.failed)
        .arg(counts.skipped)
        .arg(seconds, 0, 'f', 1);
}

QString fallbackRateLine(const BatchCounts& counts)
{
    if (counts.atFallbackRate == 0)
        return {};
    return QStringLiteral("%1 of them at %2 kbps: their own bit rate could not be read")
        .arg(counts.atFallbackRate)
        .arg(kFallbackBitRateKbps);
}

QString progressLine(const BatchCounts& counts, double fractionDone, double elapsedSeconds)
{
    const double fraction = std::clamp(fractionDone, 0.0, 1.0);
    const std::optional<double> toGo = secondsLeft(fraction, elapsedSeconds);
    const QString left = toGo ? QStringLiteral("about %1 left").arg(clockText(*toGo))
                              : QStringLiteral("time left not known yet");
    return QStringLiteral("%1 of %2 files, %3 %, %4 elapsed, %5")
        .arg(counts.done())
        .arg(counts.total)
        .arg(int(std::floor(fraction * 100)))
        .arg(clockText(elapsedSeconds), left);
}

} // namespace brindlecast
