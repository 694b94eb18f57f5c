// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include "core/Failure.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

// The real dialog: a result longer than the caller's limit fails with the classic number.
TEST(QtOpenFilesDialog, AResultOverTheLimitFailsWithItsNumber)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("a.wav")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QTimer::singleShot(0, [&file] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(file.fileName());
            QMetaObject::invokeMethod(dialog, "accept");
        }
        if (QWidget* left = QApplication::activeModalWidget()) // so that a failure still ends
            left->close();
    });
    try {
        QtDialogs().openFiles(
            {QStringLiteral("Add"), QStringLiteral("WAV Files (*.wav)"), true, 10});
        FAIL() << "no failure for a result over the limit";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), 20476);
    }
}

// The real folder picker opens at the start folder, offers folders only, and gives the folder
// confirmed or "" when cancelled.
// The closing message of a run into a chosen folder: OK and "Open Folder" beside it, the answer
// naming the button pressed.
TEST(QtMessageBox, OpenFolderStandsBesideOkAndIsAnsweredAsPressed)
{
    for (const bool pressOpenFolder : {true, false}) {
        QStringList captions;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            QAbstractButton* pressed = nullptr;
            for (QAbstractButton* button : box->buttons()) {
                captions.append(button->text().remove(u'&'));
                if (button->text().remove(u'&') ==
                    (pressOpenFolder ? QStringLiteral("Open Folder") : QStringLiteral("OK")))
                    pressed = button;
            }
            if (pressed)
                pressed->click();
            else
                box->close();
        });
        const MessageAnswer answer =
            QtDialogs().showMessage({QStringLiteral("Done."), QStringLiteral("Brindlecast"),
                                     MessageIcon::None, MessageButtons::OkOpenFolder});
        captions.sort();
        EXPECT_EQ(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("Open Folder")}));
        EXPECT_EQ(answer, pressOpenFolder ? MessageAnswer::OpenFolder : MessageAnswer::Ok);
    }
}

// Escape, and closing the box by its title bar, answer OK: neither leaves the box up.
TEST(QtMessageBox, EscapeAndClosingTheOpenFolderBoxAnswerOk)
{
    for (const bool byEscape : {true, false}) {
        bool closedByHand = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (byEscape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
            // A box that ignored the key or the close is ended here, so the test goes on.
            if (box->isVisible()) {
                closedByHand = true;
                box->done(QMessageBox::Ok);
            }
        });
        const MessageAnswer answer =
            QtDialogs().showMessage({QStringLiteral("Done."), QStringLiteral("Brindlecast"),
                                     MessageIcon::None, MessageButtons::OkOpenFolder});
        EXPECT_FALSE(closedByHand) << (byEscape ? "Escape" : "close");
        EXPECT_EQ(answer, MessageAnswer::Ok);
    }
}

// The offscreen platform has nothing that opens folders, as a desktop without a file manager:
// the real box says so, titled as asked.
TEST(QtMessageBox, AFolderThatCannotBeOpenedIsSaidSo)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
        }
        if (QWidget* left = QApplication::activeModalWidget())
            left->close();
    });

    QtDialogs().openFolderOrExplain(folder.path(), QStringLiteral("Brindlecast"));

    EXPECT_EQ(title, QStringLiteral("Brindlecast"));
    EXPECT_EQ(text, QStringLiteral("The folder %1 could not be opened: no file manager is set up "
                                   "for folders.")
                        .arg(folder.path()));
}

TEST(QtFolderPicker, OpensAtTheStartFolderAndReturnsTheConfirmedFolder)
{
    QTemporaryDir dir;
    QStringList seen;
    const auto answer = [&seen](bool confirm) {
        QTimer::singleShot(0, [&seen, confirm] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                seen << dialog->windowTitle() << dialog->directory().absolutePath();
                seen << QString::number(dialog->fileMode() == QFileDialog::Directory &&
                                        dialog->testOption(QFileDialog::ShowDirsOnly));
                QMetaObject::invokeMethod(dialog, confirm ? "accept" : "reject");
            }
            if (QWidget* left = QApplication::activeModalWidget())
                left->close();
        });
    };

    answer(true);
    EXPECT_EQ(QtDialogs().browseForFolder(QStringLiteral("Please select folder:"), dir.path()),
              dir.path());
    EXPECT_EQ(seen, (QStringList{u"Please select folder:"_s, dir.path(), u"1"_s}));
    answer(false);
    EXPECT_EQ(QtDialogs().browseForFolder(QStringLiteral("Pick"), dir.path()), QString());
}

} // namespace
} // namespace brindlecast::test
