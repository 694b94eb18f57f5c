// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ErrorReport.h"

#include <QCoreApplication>

namespace brindlecast {

QString form1LocationText(const QString& procedureName)
{
    return QCoreApplication::translate("ErrorReport", "in %1")
               .arg(QStringLiteral("Tessaly2021/08/31.Form1.") + procedureName) +
           u' ';
}

QString addFolderLocationText(const QString& procedureName)
{
    return QCoreApplication::translate("ErrorReport", "in %1")
               .arg(QStringLiteral("Corvane2021/08/31.AddFolder.") + procedureName) +
           u' ';
}

QString applicationErrorText(const QString& description, const QString& locationText,
                             int locationNumber)
{
    // The procedure's name and the line number are reported as they are: support reads them.
    return description + QStringLiteral("\r\n") + locationText +
           QCoreApplication::translate("ErrorReport", "at line %1").arg(locationNumber) +
           QStringLiteral("\r\r") +
           QCoreApplication::translate("ErrorReport",
                                       "Please email screenshot of this message to %1")
               .arg(QLatin1String(kSupportAddress));
}

void ShowApplicationError(ErrorBox& box, const QString& description, const QString& locationText,
                          int locationNumber)
{
    box.showErrorBox(applicationErrorText(description, locationText, locationNumber));
}

} // namespace brindlecast
