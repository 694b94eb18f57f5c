// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedDialogs.h"

#include "core/Failure.h"

namespace brindlecast::test {

namespace {

template <typename T> T takeFront(std::deque<T>& queue, T whenEmpty)
{
    if (queue.empty())
        return whenEmpty;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

MessageAnswer ScriptedDialogs::showMessage(const MessageRequest& request)
{
    messages.append(request);
    if (onMessage)
        onMessage(request);
    // Cancelling a question is its No; every other box is closed with OK.
    const MessageAnswer fallback =
        request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    return takeFront(messageAnswers, fallback);
}

QString ScriptedDialogs::openFiles(const OpenFileRequest& request)
{
    openFileRequests.append(request);
    if (openFileAnswers.empty())
        return QString();
    const std::variant<QString, int> answer = std::move(openFileAnswers.front());
    openFileAnswers.pop_front();
    if (const int* failureNumber = std::get_if<int>(&answer))
        throw Failure(QStringLiteral("Scripted dialog failure"), *failureNumber);
    return std::get<QString>(answer);
}

QString ScriptedDialogs::browseForFolder(const QString& title, const QString& startFolder)
{
    folderBrowserTitles.append(title);
    folderBrowserStarts.append(startFolder);
    if (onBrowseForFolder)
        onBrowseForFolder();
    return takeFront(folderAnswers, QString());
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText)
{
    inputPrompts.append(prompt);
    inputTitles.append(title);
    inputDefaults.append(defaultText);
    return takeFront(inputAnswers, QString());
}

bool ScriptedDialogs::openFolder(const QString& path)
{
    openedFolders.append(path);
    return takeFront(openFolderAnswers, true);
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const MessageRequest& message : messages)
        texts.append(message.text);
    return texts;
}

} // namespace brindlecast::test
