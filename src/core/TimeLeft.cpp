// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TimeLeft.h"

#include <algorithm>
#include <cmath>

namespace brindlecast {

double fractionDone(qint64 doneBytes, qint64 totalBytes, int filesEnded, int fileCount)
{
    if (totalBytes > 0)
        return std::clamp(double(doneBytes) / double(totalBytes), 0.0, 1.0);
    return fileCount > 0 ? std::clamp(double(filesEnded) / fileCount, 0.0, 1.0) : 1.0;
}

std::optional<double> secondsLeft(double fractionDone, double elapsedSeconds)
{
    const double fraction = std::clamp(fractionDone, 0.0, 1.0);
    if (!(fraction > 0))
        return std::nullopt;
    return elapsedSeconds * (1 - fraction) / fraction;
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

} // namespace brindlecast
