#include "app/ErrorReport.h"

#include "platform/Dialogs.h"

namespace brindlecast {

QString form1LocationText(const QString& procedureName)
{
    return QStringLiteral("in Tessaly2021/08/31.Form1.") + procedureName + u' ';
}

QString applicationErrorText(const QString& description, const QString& locationText,
                             int locationNumber)
{
    return description + QStringLiteral("\r\n") + locationText + QStringLiteral("at line ") +
           QString::number(locationNumber) + QStringLiteral("\r\r") +
           QStringLiteral("Please email screenshot of this message to ") +
           QString::fromLatin1(kSupportAddress);
}

void ShowApplicationError(Dialogs& dialogs, const QString& description, const QString& locationText,
                          int locationNumber)
{
    dialogs.showMessage({applicationErrorText(description, locationText, locationNumber),
                         QString::fromLatin1(kApplicationErrorTitle), MessageIcon::Exclamation,
                         MessageButtons::Ok});
}

} // namespace brindlecast
