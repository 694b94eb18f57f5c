// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include "core/ErrorNumbers.h"
#include "core/OpenFileResult.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace brindlecast {

namespace {

QWidget* ownerWindow()
{
    return QApplication::activeWindow();
}

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString displayedMessageText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

MessageAnswer QtDialogs::showMessage(const MessageRequest& request)
{
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    QMessageBox box(qtIcon(request.icon), request.title, displayedMessageText(request.text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, ownerWindow());
    box.setTextFormat(Qt::PlainText);
    const QPushButton* openFolder =
        request.buttons == MessageButtons::OkOpenFolder
            ? box.addButton(QCoreApplication::translate("Dialogs", "Open Folder"),
                            QMessageBox::ActionRole)
            : nullptr;
    // Escape and the title bar's close answer OK, as they do where OK stands alone.
    if (openFolder)
        box.setEscapeButton(QMessageBox::Ok);
    const int answer = box.exec();
    if (openFolder && box.clickedButton() == openFolder)
        return MessageAnswer::OpenFolder;
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtDialogs::openFiles(const OpenFileRequest& request)
{
    QStringList picked;
    if (request.multiSelect) {
        picked =
            QFileDialog::getOpenFileNames(ownerWindow(), request.title, QString(), request.filter);
    } else {
        const QString one =
            QFileDialog::getOpenFileName(ownerWindow(), request.title, QString(), request.filter);
        if (!one.isEmpty())
            picked << one;
    }
    const QString result = openFileResultText(picked);
    if (result.size() > request.maxResultChars)
        throw makeFailure(ErrorNumber::BufferTooSmall);
    return result;
}

QString QtDialogs::browseForFolder(const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(ownerWindow(), title, startFolder,
                                             QFileDialog::ShowDirsOnly);
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(ownerWindow(), title, displayedMessageText(prompt),
                                               QLineEdit::Normal, defaultText, &accepted);
    return accepted ? text : QString();
}

bool QtDialogs::openFolder(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace brindlecast
