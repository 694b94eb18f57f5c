#include "filelist/AddFilesByDialog.h"

#include "FileListFixture.h"
#include "platform/Failure.h"

#include <QPushButton>

namespace brindlecast::test {
namespace {

const QChar NUL(0);

// The parts of a dialog result, NUL-separated.
QString nulSeparated(const QStringList& parts)
{
    return parts.join(NUL);
}

class AddFilesByDialogTest : public FileListFixture {
  protected:
    void pick(const QString& resultText)
    {
        platform.scripted.openFileAnswers.push_back(resultText);
        QTest::mouseClick(form->PushButton1, Qt::LeftButton);
    }

    void failDialog(int number)
    {
        platform.scripted.openFileAnswers.push_back(number);
        QTest::mouseClick(form->PushButton1, Qt::LeftButton);
    }
};

TEST_F(AddFilesByDialogTest, AsksForWavFilesWithMultipleSelection)
{
    pick(QString());
    ASSERT_EQ(platform.scripted.openFileRequests.size(), 1);
    const OpenFileRequest& request = platform.scripted.openFileRequests.front();
    EXPECT_EQ(request.title, QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
    EXPECT_EQ(request.filter, QStringLiteral("WAV Files (*.wav)"));
    EXPECT_TRUE(request.multiSelect);
    EXPECT_EQ(request.maxResultChars, 30000);
}

TEST_F(AddFilesByDialogTest, CancelAddsNothingAndShowsNothing)
{
    addRows({"/music/kept.wav"});
    pick(QString());
    EXPECT_EQ(rows(), QStringList{"/music/kept.wav"});
    EXPECT_TRUE(platform.scripted.messages.isEmpty());
}

TEST_F(AddFilesByDialogTest, OnePickedFileIsAppendedExactlyAsReturned)
{
    pick(QStringLiteral("/music//odd \"name\"\n-x.wav"));
    EXPECT_EQ(rows(), QStringList{"/music//odd \"name\"\n-x.wav"});
}

// Listed paths are added again; new rows come after the existing ones.
TEST_F(AddFilesByDialogTest, SeveralFilesAreAppendedInTheDialogsOrder)
{
    addRows({"/music/My Album/a.wav"});
    pick(nulSeparated({"/music/My Album", "b.wav", "a.wav", "-c é.wav"}));
    EXPECT_EQ(rows(), (QStringList{"/music/My Album/a.wav", "/music/My Album/b.wav",
                                   "/music/My Album/a.wav", "/music/My Album/-c é.wav"}));
    EXPECT_TRUE(platform.scripted.messages.isEmpty());
}

TEST_F(AddFilesByDialogTest, FilesAtTheRootGetOneSeparator)
{
    pick(nulSeparated({"/", "a.wav", "b.wav"}));
    EXPECT_EQ(rows(), (QStringList{"/a.wav", "/b.wav"}));
}

TEST_F(AddFilesByDialogTest, TooManyFilesShowsTheMessageAndAddsNothing)
{
    failDialog(20476);
    EXPECT_EQ(list->rowCount(), 0);
    ASSERT_EQ(platform.scripted.messages.size(), 1);
    const MessageRequest& message = platform.scripted.messages.front();
    EXPECT_EQ(message.text, QStringLiteral("You've selected too many files to add.\r\rPlease try "
                                           "adding via the \"Add All\" button."));
    EXPECT_EQ(message.title, form->applicationTitle());
    EXPECT_EQ(message.icon, MessageIcon::None);
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
}

TEST_F(AddFilesByDialogTest, AnotherDialogFailureIsReportedWithItsLine)
{
    failDialog(32755);
    EXPECT_EQ(list->rowCount(), 0);
    ASSERT_EQ(platform.scripted.messages.size(), 1);
    EXPECT_EQ(platform.scripted.messages.front().title, QStringLiteral("Application Error"));
    EXPECT_TRUE(platform.scripted.messages.front().text.contains(
        "\r\nin Tessaly2021/08/31.Form1.PushButton1_Click at line 112\r\r"));
}

// The list itself does not fail; a failing append is simulated to see the click carry on.
TEST(AddFilesByDialogSteps, AFailedAppendIsReportedAndTheOtherFilesAreStillAdded)
{
    ScriptedDialogs dialogs;
    dialogs.openFileAnswers.push_back(nulSeparated({"/music", "a.wav", "bad.wav", "c.wav"}));
    QStringList appended;
    QStringList shown;
    AddFilesByDialog(
        dialogs,
        [&](const QString& path) {
            if (path.endsWith(QStringLiteral("bad.wav")))
                throw Failure(QStringLiteral("Out of memory"), 7);
            appended << path;
        },
        [&](const QString& text) { shown << text; });

    EXPECT_EQ(appended, (QStringList{"/music/a.wav", "/music/c.wav"}));
    EXPECT_TRUE(shown.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().text.startsWith(
        "Out of memory\r\nin Tessaly2021/08/31.Form1.PushButton1_Click at line 140\r\r"));
}

} // namespace
} // namespace brindlecast::test
