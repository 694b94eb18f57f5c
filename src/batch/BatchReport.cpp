// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchReport.h"

#include "core/ConstantBitRates.h"
#include "core/TimeLeft.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace brindlecast {

QString summaryLine(const BatchCounts& counts, double seconds)
{
    return QCoreApplication::translate("BatchReport",
                                       "%1 of %n files converted, %2 failed, %3 skipped in %4 s",
                                       "", counts.total)
        .arg(counts.converted)
        .arg(counts.failed)
        .arg(counts.skipped)
        .arg(seconds, 0, 'f', 1);
}

QString fallbackRateLine(const BatchCounts& counts)
{
    if (counts.atFallbackRate == 0)
        return {};
    return QCoreApplication::translate(
               "BatchReport", "%n of them at %1 kbps: their own bit rate could not be read", "",
               counts.atFallbackRate)
        .arg(kFallbackBitRateKbps);
}

QString progressLine(const BatchCounts& counts, double fractionDone, double elapsedSeconds)
{
    const double fraction = std::clamp(fractionDone, 0.0, 1.0);
    const std::optional<double> toGo = secondsLeft(fraction, elapsedSeconds);
    const QString left =
        toGo ? QCoreApplication::translate("BatchReport", "about %1 left").arg(clockText(*toGo))
             : QCoreApplication::translate("BatchReport", "time left not known yet");
    return QCoreApplication::translate("BatchReport", "%1 of %n files, %2 %, %3 elapsed, %4", "",
                                       counts.total)
        .arg(counts.done())
        .arg(int(std::floor(fraction * 100)))
        .arg(clockText(elapsedSeconds), left);
}

} // namespace brindlecast
