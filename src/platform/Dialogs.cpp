// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Dialogs.h"

namespace brindlecast {

void Dialogs::showErrorBox(const QString& text)
{
    showMessage({text, QString::fromLatin1(kApplicationErrorTitle), MessageIcon::Exclamation,
                 MessageButtons::Ok});
}

void Dialogs::showPlainMessage(const QString& text, const QString& title)
{
    showMessage({text, title, MessageIcon::None, MessageButtons::Ok});
}

} // namespace brindlecast
