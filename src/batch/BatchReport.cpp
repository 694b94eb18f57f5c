// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchReport.h"

#include "core/ConstantBitRates.h"

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

QString clockText(double seconds)
{
    const qint64 whole = std::llround(std::max(0.0, seconds));
    const qint64 hours = whole / 3600;
    const QString minutesSeconds =
        QStringLiteral("%1:%2")
            .arg(hours > 0 ? QStringLiteral("%1").arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
                           : QString::number(whole / 60))
            .arg(whole % 60, 2, 10, QLatin1Char('0'));
    return hours > 0 ? QString::number(hours) + u':' + minutesSeconds : minutesSeconds;
}

QString progressLine(const BatchCounts& counts, double fractionDone, double elapsedSeconds)
{
    const double fraction = std::clamp(fractionDone, 0.0, 1.0);
    const QString left = fraction > 0
                             ? QStringLiteral("about %1 left")
                                   .arg(clockText(elapsedSeconds * (1 - fraction) / fraction))
                             : QStringLiteral("time left not known yet");
    return QStringLiteral("%1 of %2 files, %3 %, %4 elapsed, %5")
        .arg(counts.done())
        .arg(counts.total)
        .arg(int(std::floor(fraction * 100)))
        .arg(clockText(elapsedSeconds), left);
}

} // namespace brindlecast
