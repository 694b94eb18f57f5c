// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Dialogs.h"

#include <QCoreApplication>

namespace brindlecast {

void Dialogs::showErrorBox(const QString& text)
{
    showMessage({text, QCoreApplication::translate("ErrorReport", kApplicationErrorTitle),
                 MessageIcon::Exclamation, MessageButtons::Ok});
}

void Dialogs::showPlainMessage(const QString& text, const QString& title)
{
    showMessage({text, title, MessageIcon::None, MessageButtons::Ok});
}

void Dialogs::openFolderOrExplain(const QString& path, const QString& title)
{
    if (openFolder(path))
        return;
    showPlainMessage(QCoreApplication::translate(
                         "Dialogs", "The folder %1 could not be opened: no file manager is set "
                                    "up for folders.")
                         .arg(path),
                     title);
}

} // namespace brindlecast
