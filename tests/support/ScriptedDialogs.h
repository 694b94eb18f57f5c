// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>
#include <variant>

namespace brindlecast::test {

// Records every dialog the program shows and answers from queues. An empty queue answers as a
// user who cancels (or presses OK).
class ScriptedDialogs final : public Dialogs {
public:
    QList<MessageRequest> messages;
    QList<OpenFileRequest> openFileRequests;
    QStringList folderBrowserTitles;
    QStringList folderBrowserStarts;
    QStringList inputPrompts;
    QStringList inputTitles;
    QStringList inputDefaults;
    QStringList openedFolders;

    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::variant<QString, int>> openFileAnswers; // result text, or a failure number
    std::deque<QString> folderAnswers;
    // Runs when the folder picker is shown, before it is answered.
    std::function<void()> onBrowseForFolder;
    std::deque<QString> inputAnswers;
    // Whether each folder opens; an empty queue opens it.
    std::deque<bool> openFolderAnswers;

    // Runs when a message box is shown, before it is answered (for example to act during a run).
    std::function<void(const MessageRequest&)> onMessage;

    MessageAnswer showMessage(const MessageRequest& request) override;
    QString openFiles(const OpenFileRequest& request) override;
    QString browseForFolder(const QString& title, const QString& startFolder) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    bool openFolder(const QString& path) override;

    QStringList messageTexts() const;
};

} // namespace brindlecast::test
