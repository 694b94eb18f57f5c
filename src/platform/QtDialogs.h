// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

namespace brindlecast {

class QtDialogs final : public Dialogs {
public:
    MessageAnswer showMessage(const MessageRequest& request) override;
    QString openFiles(const OpenFileRequest& request) override;
    QString browseForFolder(const QString& title, const QString& startFolder) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    bool openFolder(const QString& path) override;
};

// The message text as a Qt box shows it: CR LF and lone CRs become line breaks.
QString displayedMessageText(const QString& text);

} // namespace brindlecast
