// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RunProgressTexts.h"

#include "core/TimeLeft.h"

#include <QCoreApplication>

namespace brindlecast {

QString runProgressTitle(int filesEnded, int fileCount, double fractionDone, double elapsedSeconds,
                         const QString& title)
{
    const QString files =
        QCoreApplication::translate("RunProgress", "%1 of %n files", "", fileCount).arg(filesEnded);
    const std::optional<double> left = secondsLeft(fractionDone, elapsedSeconds);
    const QString progress = left ? QCoreApplication::translate("RunProgress", "%1, about %2 left")
                                        .arg(files, clockText(*left))
                                  : files;
    return QCoreApplication::translate("RunProgress", "%1 - %2").arg(progress, title);
}

QString runEndedNotice(int converted, int fileCount, int failed)
{
    QString notice =
        QCoreApplication::translate("RunProgress", "Converted %1 of %n files", "", fileCount)
            .arg(converted);
    if (failed > 0)
        notice += QCoreApplication::translate("RunProgress", " (%n failed)", "", failed);
    return notice;
}

} // namespace brindlecast
