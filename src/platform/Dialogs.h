// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ErrorReport.h"

#include <QString>

namespace brindlecast {

enum class MessageIcon { None, Exclamation, Question };
// OkOpenFolder: OK and "Open Folder" beside it.
enum class MessageButtons { Ok, YesNo, OkOpenFolder };
enum class MessageAnswer { Ok, Yes, No, OpenFolder };

struct MessageRequest {
    QString text; // exact characters: CR LF and lone CRs are kept as given
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

struct OpenFileRequest {
    QString title;
    QString filter; // one entry, its pattern in parentheses: "WAV Files (*.wav)"
    bool multiSelect = false;
    int maxResultChars = 30000;
};

// Every modal thing the program shows. The Qt implementation shows real dialogs; tests use a
// scripted one that records each request and answers from a queue.
class Dialogs : public ErrorBox {
public:
    void showErrorBox(const QString& text) override;

    // A plain box with only OK and no icon.
    void showPlainMessage(const QString& text, const QString& title);

    virtual MessageAnswer showMessage(const MessageRequest& request) = 0;

    // One full path, or the folder followed by NUL-separated names; "" when cancelled.
    // Throws Failure 20476 when the result would exceed request.maxResultChars.
    virtual QString openFiles(const OpenFileRequest& request) = 0;

    // The chosen folder, or "" when cancelled.
    virtual QString browseForFolder(const QString& title, const QString& startFolder) = 0;

    // The typed text, or "" when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;

    // Shows the folder in the file manager; false when the desktop has nothing that opens
    // folders.
    virtual bool openFolder(const QString& path) = 0;

    // openFolder, and when the folder could not be opened a plain box that says so.
    void openFolderOrExplain(const QString& path, const QString& title);
};

} // namespace brindlecast
