// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/AddFilesByDialog.h"

#include "FileListFixture.h"
#include "core/Failure.h"
#include "platform/QtDialogs.h"
#include "support/ByteNamedEntries.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

// The parts of a dialog result, NUL-separated.
QString nulSeparated(const QStringList& parts)
{
    return parts.join(QChar(0));
}

class AddFilesByDialogTest : public FileListFixture {
protected:
    // A picked result text, or a dialog failure number.
    void pick(const std::variant<QString, int>& answer)
    {
        m_platform.scripted.openFileAnswers.push_back(answer);
        QTest::mouseClick(m_form->PushButton1, Qt::LeftButton);
    }
};

// Listed paths are added again; new rows come after the existing ones in the dialog's order.
// Failures of the dialog itself add nothing.
TEST_F(AddFilesByDialogTest, PickedFilesAreAppendedAndCancelOrFailureAddsNothing)
{
    pick(QStringLiteral("/music//odd \"name\"\n-x.wav"));
    pick(nulSeparated({u"/music/My Album"_s, u"b.wav"_s, u"a.wav"_s, u"-c é.wav"_s}));
    pick(nulSeparated({u"/"_s, u"a.wav"_s, u"b.wav"_s}));
    pick(QString());
    ASSERT_TRUE(m_platform.scripted.messages.isEmpty());
    pick(20476);
    pick(32755);
    EXPECT_EQ(rows(), (QStringList{u"/music//odd \"name\"\n-x.wav"_s, u"/music/My Album/b.wav"_s,
                                   u"/music/My Album/a.wav"_s, u"/music/My Album/-c é.wav"_s,
                                   u"/a.wav"_s, u"/b.wav"_s}));

    const OpenFileRequest& request = m_platform.scripted.openFileRequests.front();
    EXPECT_EQ(request.title, QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
    EXPECT_EQ(request.filter, QStringLiteral("WAV Files (*.wav)"));
    EXPECT_TRUE(request.multiSelect);
    EXPECT_EQ(request.maxResultChars, 30000);

    ASSERT_EQ(m_platform.scripted.messages.size(), 2);
    const MessageRequest& tooMany = m_platform.scripted.messages.front();
    EXPECT_EQ(tooMany.text, QStringLiteral("You've selected too many files to add.\r\rPlease try "
                                           "adding via the \"Add All\" button."));
    EXPECT_EQ(tooMany.title, QStringLiteral("Brindlecast"));
    EXPECT_EQ(tooMany.icon, MessageIcon::None);
    EXPECT_EQ(tooMany.buttons, MessageButtons::Ok);
    EXPECT_EQ(m_platform.scripted.messages.back().title, QStringLiteral("Application Error"));
    EXPECT_TRUE(m_platform.scripted.messages.back().text.contains(
        u"\r\nin Tessaly2021/08/31.Form1.PushButton1_Click at line 112\r\r"_s));
}

// The list itself does not fail; a failing append is simulated to see the click carry on.
TEST(AddFilesByDialogSteps, AFailedAppendIsReportedAndTheOtherFilesAreStillAdded)
{
    ScriptedDialogs dialogs;
    dialogs.openFileAnswers.push_back(
        nulSeparated({u"/music"_s, u"a.wav"_s, u"bad.wav"_s, u"c.wav"_s}));
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

    EXPECT_EQ(appended, (QStringList{u"/music/a.wav"_s, u"/music/c.wav"_s}));
    EXPECT_TRUE(shown.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().text.startsWith(
        u"Out of memory\r\nin Tessaly2021/08/31.Form1.PushButton1_Click at line 140\r\r"_s));
}

// The dialog's result is cut at every NUL, so no picked path can carry one into a row.
TEST_F(AddFilesByDialogTest, NoRowHoldsANul)
{
    pick(QStringLiteral("/etc/hostname") + QChar(0) + QStringLiteral("/victim.txt") + QChar(0) +
         QStringLiteral(".wav"));
    pick(QStringLiteral("/music/a.wav") + QChar(0));
    ASSERT_GT(list->rowCount(), 0);
    for (int row = 1; row <= list->rowCount(); ++row)
        EXPECT_FALSE(list->rowText(row).contains(QChar(0))) << row;
}

// The dialog decodes names itself, so a folder "\xff" and a folder named by the replacement
// character come back as one text, and "bad\xff.wav" as a text that names no file. Such picks
// are left out and said; a real replacement character in a name that only it has is listed.
TEST_F(AddFilesByDialogTest, PicksWhoseTextDoesNotNameTheirFileAloneAreLeftOutAndSaid)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString base = folder.path() + u'/';
    const QByteArray bytes = QFile::encodeName(base);
    ByteNamedEntries made;
    ASSERT_TRUE(made.namesThatAreNotUtf8(bytes));
    ASSERT_TRUE(made.folder(bytes + "only") && made.folder(bytes + "only/\xef\xbf\xbd") &&
                made.file(bytes + "only/\xef\xbf\xbd/in.wav"));
    const QString replaced(QChar::ReplacementCharacter);

    pick(base + replaced + u"/in.wav"_s);
    pick(nulSeparated({folder.path(), u"bad"_s + replaced + u".wav"_s, u"good.wav"_s}));
    pick(base + u"only/"_s + replaced + u"/in.wav"_s);

    EXPECT_EQ(rows(),
              (QStringList{base + u"good.wav"_s, base + u"only/"_s + replaced + u"/in.wav"_s}));
    ASSERT_EQ(m_platform.scripted.messages.size(), 2);
    for (const auto& message : m_platform.scripted.messages) {
        EXPECT_EQ(message.text,
                  u"1 file or folder was not added: its name is not valid UTF-8 or holds a NUL "
                  u"character, so no row can name it."_s);
    }
}

} // namespace
} // namespace brindlecast::test
