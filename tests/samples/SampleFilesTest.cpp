// SPDX-License-Identifier: GPL-3.0-or-later
#include "samples/SampleFiles.h"

#include "core/FileRows.h"
#include "filelist/FileListView.h"
#include "support/QtPrinters.h"
#include "support/RecordedRows.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedFileSystem.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

// "Load Sample/Example Files" in the window, over a Samples folder in the test's application
// folder.
class SampleFiles : public WindowFixture {
protected:
    void SetUp() override { openWindow(Shown::Yes); }

    QString samplesFolder() const { return m_platform.appFolder + QStringLiteral("/Samples"); }

    QString addSample(const QString& name)
    {
        QDir().mkpath(samplesFolder());
        const QString path = samplesFolder() + u'/' + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    void press(MessageAnswer answer = MessageAnswer::No)
    {
        m_platform.scripted.messageAnswers.push_back(answer);
        QTest::mouseClick(m_form->PushButton5, Qt::LeftButton);
    }

    QStringList rows() const
    {
        QStringList texts;
        for (int row = 1; row <= m_form->ListView1->rowCount(); ++row)
            texts << m_form->ListView1->rowText(row);
        return texts;
    }

    int questionsAsked() const
    {
        int asked = 0;
        for (const MessageRequest& message : m_platform.scripted.messages) {
            asked += message.text == QString::fromLatin1(kOpenSamplesQuestion) &&
                     message.title == m_form->applicationTitle() &&
                     message.icon == MessageIcon::None && message.buttons == MessageButtons::YesNo;
        }
        return asked;
    }
};

TEST_F(SampleFiles, EachSampleIsListedOnceAndTheQuestionIsAlwaysAsked)
{
    const QString chord = addSample(QStringLiteral("Chord.wav"));
    const QString tilde = addSample(QStringLiteral("~Draft.wav"));
    m_form->ListView1->appendRow(QStringLiteral("/elsewhere/song.wav"));

    press();
    press();

    EXPECT_EQ(rows(), (QStringList{u"/elsewhere/song.wav"_s, chord, tilde}));
    EXPECT_EQ(questionsAsked(), 2);
    EXPECT_TRUE(m_platform.scripted.openedFolders.isEmpty());
}

TEST_F(SampleFiles, ARemovedSampleComesBackAndYesOpensTheFolder)
{
    const QString chord = addSample(QStringLiteral("Chord.wav"));
    const QString melody = addSample(QStringLiteral("Melody.wav"));
    press();
    m_form->ListView1->removeRow(1);

    press(MessageAnswer::Yes);

    EXPECT_EQ(rows(), (QStringList{melody, chord}));
    EXPECT_EQ(m_platform.scripted.openedFolders, QStringList{samplesFolder() + u'/'});
}

TEST_F(SampleFiles, AFolderTheDesktopCannotOpenIsSaidSo)
{
    addSample(QStringLiteral("Chord.wav"));
    m_platform.scripted.openFolderAnswers.push_back(false);

    press(MessageAnswer::Yes);

    ASSERT_EQ(m_platform.scripted.messages.size(), 2);
    const MessageRequest& told = m_platform.scripted.messages[1];
    EXPECT_EQ(told.text, QStringLiteral("The folder %1/ could not be opened: no file manager is "
                                        "set up for folders.")
                             .arg(samplesFolder()));
    EXPECT_EQ(told.title, m_form->applicationTitle());
    EXPECT_EQ(told.buttons, MessageButtons::Ok);
    EXPECT_EQ(told.icon, MessageIcon::None);
}

TEST_F(SampleFiles, AMissingSamplesFolderAddsNothingAndStillAsks)
{
    press();

    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(questionsAsked(), 1);
}

TEST(IsInList, ComparesWholeTextsExactly)
{
    FileListView list;
    list.appendRow(QStringLiteral("/m/Song.wav"));
    EXPECT_TRUE(IsInList(list, QStringLiteral("/m/Song.wav")));
    EXPECT_FALSE(IsInList(list, QStringLiteral("/m/song.wav")));
    EXPECT_FALSE(IsInList(list, QStringLiteral("/m/Song.wa")));
}

// A Samples folder that cannot be read makes the click's box name line 100; nothing is added.
TEST(SampleFilesFailure, AnUnreadableSamplesFolderShowsTheBoxAtLine100)
{
    QTemporaryDir application;
    const QString samples = application.filePath(QStringLiteral("Samples"));
    QDir().mkpath(samples);
    QFile sample(samples + QStringLiteral("/a.wav"));
    ASSERT_TRUE(sample.open(QIODevice::WriteOnly));
    ScriptedFileSystem files;
    files.deniedFolders << samples;
    ScriptedDialogs dialogs;
    RecordedRows list;

    PushButton5_Click(list, files, dialogs, application.path(), QStringLiteral("Brindlecast"));
    EXPECT_TRUE(list.rows.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.front().title, QStringLiteral("Application Error"));
    EXPECT_EQ(dialogs.messages.front().text.section(u'\r', 0, 1),
              QStringLiteral("Permission denied\r\nin Tessaly2021/08/31.Form1.PushButton5_Click "
                             "at line 100"));
}

} // namespace
} // namespace brindlecast::test
