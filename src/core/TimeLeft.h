// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace brindlecast {

// The share of a run's work done, by input size, so that one long recording among short ones
// weighs what it takes; a run of empty inputs goes by the count of files ended. 0 to 1.
double fractionDone(qint64 doneBytes, qint64 totalBytes, int filesEnded, int fileCount);

// The seconds still to go at the pace so far; none while nothing is done yet.
std::optional<double> secondsLeft(double fractionDone, double elapsedSeconds);

// "0:07", "12:30", "1:02:03".
QString clockText(double seconds);

} // namespace brindlecast
