// SPDX-License-Identifier: GPL-3.0-or-later
// What a run shows beyond the progress bar: files ended and time left in the window's title,
// progress on the task bar, a notice when the run ends unseen, and the closing message's offer to
// open the folder the outputs went to.
#include "convert/ConversionFixture.h"
#include "filelist/FileListView.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QTest>
#include <algorithm>

namespace brindlecast::test {
namespace {

class RunFeedback : public ConversionFixture {
protected:
    // Two files, converted beside their inputs at a constant rate.
    void prepareTwoFiles()
    {
        prepare({makeWav(QStringLiteral("one.wav"), {8000, 1, 16, 0.5}),
                 makeWav(QStringLiteral("two.wav"), {8000, 1, 16, 0.5})},
                QStringLiteral("64 kbps"), false);
    }

    const MessageRequest* closingBox() const
    {
        const MessageRequest* found = nullptr;
        for (const MessageRequest& message : m_platform.scripted.messages) {
            if (message.title == m_form->applicationTitle() && message.text.startsWith(u"Done."))
                found = &message;
        }
        return found;
    }

    const RecordingDesktop& desktop() const { return m_platform.recordingDesktop; }
};

TEST_F(RunFeedback, TheTitleCountsEndedFilesWhileTheEncoderWorksAndIsPlainAfter)
{
    const QString plain = m_form->windowTitle();
    ASSERT_EQ(plain, QStringLiteral("Brindlecast Studio"));
    prepareTwoFiles();
    QStringList during;
    m_platform.onWait = [&](const ProcessCommand& command) {
        if (command.arguments.contains(QStringLiteral("-ab")))
            during.append(m_form->windowTitle());
    };

    clickStartConverting();

    ASSERT_FALSE(during.isEmpty());
    for (const QString& title : std::as_const(during)) {
        EXPECT_TRUE(title.contains(u" of 2 files")) << title.toStdString();
        EXPECT_TRUE(title.endsWith(u" - Brindlecast Studio")) << title.toStdString();
    }
    // While the first file is encoded nothing is done to estimate from; while the second is,
    // the first one's bytes are.
    EXPECT_EQ(during.first(), QStringLiteral("0 of 2 files - Brindlecast Studio"));
    const QString second = during.last();
    EXPECT_TRUE(second.startsWith(u"1 of 2 files, about ")) << second.toStdString();
    EXPECT_TRUE(second.contains(u" left - ")) << second.toStdString();
    EXPECT_EQ(m_form->windowTitle(), plain);
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
}

TEST_F(RunFeedback, TaskBarProgressRisesToTheWholeAndIsHiddenAtTheEnd)
{
    prepareTwoFiles();

    clickStartConverting();

    const QList<double>& shown = desktop().shown;
    ASSERT_EQ(shown.size(), 4); // the start, each file's end, the run's end
    EXPECT_DOUBLE_EQ(shown[0], 0.0);
    EXPECT_GT(shown[1], 0.0);
    EXPECT_LT(shown[1], 1.0);
    EXPECT_DOUBLE_EQ(shown[2], 1.0);
    EXPECT_EQ(shown[3], -1.0); // cleared
}

TEST_F(RunFeedback, ARunEndingWhileAnotherWindowIsActiveSendsOneNotice)
{
    const QString missing = workPath(QStringLiteral("missing.wav"));
    prepare({makeWav(QStringLiteral("one.wav"), {8000, 1, 16, 0.5}), missing},
            QStringLiteral("64 kbps"), false);
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    ASSERT_FALSE(m_form->isActiveWindow());

    clickStartConverting();

    ASSERT_EQ(desktop().notices.size(), 1);
    EXPECT_EQ(desktop().notices[0].title, m_form->applicationTitle());
    EXPECT_EQ(desktop().notices[0].text, QStringLiteral("Converted 1 of 2 files (1 failed)"));
    EXPECT_EQ(desktop().shown.last(), -1.0);
}

TEST_F(RunFeedback, ARunEndingInTheActiveWindowSendsNoNotice)
{
    prepareTwoFiles();
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));

    clickStartConverting();

    EXPECT_TRUE(desktop().notices.isEmpty());
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
}

TEST_F(RunFeedback, OutputsInTheChosenFolderAreOfferedToBeOpened)
{
    prepareTwoFiles();
    const QString out = workPath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));
    saveToFolder(out);
    m_platform.scripted.messageAnswers.push_back(MessageAnswer::OpenFolder);

    clickStartConverting();

    const MessageRequest* box = closingBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text, QStringLiteral("Done."));
    EXPECT_EQ(box->buttons, MessageButtons::OkOpenFolder);
    EXPECT_EQ(box->icon, MessageIcon::None);
    EXPECT_EQ(m_platform.scripted.openedFolders, QStringList{out});
    EXPECT_EQ(m_platform.scripted.messages.size(), 1);
}

TEST_F(RunFeedback, OkLeavesTheFolderAndAFolderThatCannotBeOpenedIsSaidSo)
{
    prepareTwoFiles();
    const QString out = workPath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));
    saveToFolder(out);

    clickStartConverting(); // closed with OK
    EXPECT_TRUE(m_platform.scripted.openedFolders.isEmpty());

    m_platform.scripted.messages.clear();
    m_platform.scripted.messageAnswers.push_back(MessageAnswer::OpenFolder);
    m_platform.scripted.openFolderAnswers.push_back(false);
    clickStartConverting();

    EXPECT_EQ(m_platform.scripted.openedFolders, QStringList{out});
    ASSERT_EQ(m_platform.scripted.messages.size(), 2);
    EXPECT_EQ(m_platform.scripted.messages[1].text,
              QStringLiteral("The folder %1 could not be opened: no file manager is set up for "
                             "folders.")
                  .arg(out));
    EXPECT_EQ(m_platform.scripted.messages[1].title, m_form->applicationTitle());
}

TEST_F(RunFeedback, NoFolderIsOfferedBesideTheInputsOrWhenNothingWasWritten)
{
    prepareTwoFiles();
    clickStartConverting();
    const MessageRequest* beside = closingBox();
    ASSERT_NE(beside, nullptr);
    EXPECT_EQ(beside->buttons, MessageButtons::Ok);

    // Into the chosen folder, but no file could be converted.
    m_platform.scripted.messages.clear();
    m_form->ListView1->removeAllRows();
    m_form->ListView1->appendRow(workPath(QStringLiteral("missing.wav")));
    const QString out = workPath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(out));
    saveToFolder(out);
    clickStartConverting();
    const MessageRequest* none = closingBox();
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->buttons, MessageButtons::Ok);
    EXPECT_TRUE(m_platform.scripted.openedFolders.isEmpty());
    EXPECT_TRUE(QDir(out).isEmpty());
}

} // namespace
} // namespace brindlecast::test
