// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ErrorReport.h"

namespace brindlecast {

QString form1LocationText(const QString& procedureName)
{
    return QStringLiteral("in Tessaly2021/08/31.Form1.") + procedureName + u' ';
}

QString addFolderLocationText(const QString& procedureName)
{
    return QStringLiteral("in Corvane2021/08/31.AddFolder.") + procedureName + u' ';
}

QString applicationErrorText(const QString& description, const QString& locationText,
                             int locationNumber)
{
    return description + QStringLiteral("\r\n") + locationText + QStringLiteral("at line ") +
           QString::number(locationNumber) + QStringLiteral("\r\r") +
           QStringLiteral("Please email screenshot of this message to ") +
           QString::fromLatin1(kSupportAddress);
}

void ShowApplicationError(ErrorBox& box, const QString& description, const QString& locationText,
                          int locationNumber)
{
    box.showErrorBox(applicationErrorText(description, locationText, locationNumber));
}

} // namespace brindlecast
