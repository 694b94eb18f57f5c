// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// The window's title while a run works: "3 of 10 files, about 1:20 left - Brindlecast Studio",
// without the time left while nothing is done to estimate it from.
QString runProgressTitle(int filesEnded, int fileCount, double fractionDone, double elapsedSeconds,
                         const QString& title);

// The desktop notice of a run that ended: "Converted 8 of 10 files (2 failed)".
QString runEndedNotice(int converted, int fileCount, int failed);

} // namespace brindlecast
