// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/AddAllInFolder.h"

#include "FolderFixture.h"
#include "core/PointerKind.h"
#include "filelist/AddFolder.h"
#include "support/ByteNamedEntries.h"

#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

class AddAllInFolder : public FolderFixture {};

// Rows come folder by folder: the chosen folder, then its subfolders level by level, each
// folder's names sorted ignoring case. Adding the same folder again lists every file again.
TEST_F(AddAllInFolder, AddsMatchingFilesFolderByFolderBreadthFirst)
{
    tree.make({u"top.wav"_s, u"B.wav"_s, u"a.WAV"_s, u"notes.txt"_s, u"beta/b1.wav"_s,
               u"beta/x/deep.wav"_s, u"beta/x/y/deepest.wav"_s, u"Alpha/a1.wav"_s,
               u"Alpha/z/az.wav"_s, u"gamma/q/q.wav"_s});
    addAll(QStringLiteral("wav"), tree.root());

    const QStringList once = tree.at(QStringList{
        u"a.WAV"_s, u"B.wav"_s, u"top.wav"_s, u"Alpha/a1.wav"_s, u"beta/b1.wav"_s,
        u"Alpha/z/az.wav"_s, u"beta/x/deep.wav"_s, u"gamma/q/q.wav"_s, u"beta/x/y/deepest.wav"_s});
    EXPECT_EQ(rows(), once);
    EXPECT_TRUE(dialogs().messages.isEmpty());
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
    EXPECT_EQ(dialogs().inputPrompts,
              QStringList{u"Enter file extension to load:\r\r(* for all files, txt for all txt "
                          u"files, doc for all doc files, etc.)"_s});
    EXPECT_EQ(dialogs().inputTitles, QStringList{u"Brindlecast"_s});
    EXPECT_EQ(dialogs().inputDefaults, QStringList{u"wav"_s});
    EXPECT_EQ(dialogs().folderBrowserTitles, QStringList{u"Please select folder:"_s});
    EXPECT_EQ(dialogs().folderBrowserStarts, QStringList{u""_s});
    EXPECT_EQ(stored("Extension"), QStringLiteral("wav"));
    EXPECT_EQ(stored("LastFolder"), tree.root());

    // The picker's answer with a trailing separator is the same folder.
    addAll(QStringLiteral("WAV"), tree.root() + u'/');
    EXPECT_EQ(rows(), once + once);
    EXPECT_EQ(dialogs().inputDefaults.last(), QStringLiteral("wav"));
    EXPECT_EQ(dialogs().folderBrowserStarts.last(), tree.root());
}

TEST_F(AddAllInFolder, TheAnswerIsTakenAsTyped)
{
    tree.make({u"a.wav"_s, u"b.txt"_s, u"README"_s, u".profile"_s, u"sub/c.WAV"_s});
    const QString root = tree.root();

    addAll(QStringLiteral("*"), root);
    EXPECT_EQ(rows(), tree.at(QStringList{u"a.wav"_s, u"b.txt"_s, u"README"_s, u"sub/c.WAV"_s}));
    m_form->ListView1->removeAllRows();

    addAll(QStringLiteral("WAV"), root);
    EXPECT_EQ(rows(), tree.at(QStringList{u"a.wav"_s, u"sub/c.WAV"_s}));
    m_form->ListView1->removeAllRows();

    // A leading dot is not removed: the pattern "*..wav" matches none of these names.
    addAll(QStringLiteral(".wav"), root);
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(stored("Extension"), QStringLiteral(".wav"));
    EXPECT_TRUE(dialogs().messages.isEmpty());
}

// Names starting with "~" and hidden dot-files are skipped; a read-only dot-file (word 35), a
// "~" folder and a dot-folder are not.
TEST_F(AddAllInFolder, SkipsTildeNamesAndHiddenFilesButNotReadOnlyHiddenOnes)
{
    tree.make(
        {u"~lock.wav"_s, u".hidden.wav"_s, u".kept.wav"_s, u"~drafts/d.wav"_s, u".cache/c.wav"_s});
    ::chmod(QFile::encodeName(tree.at(u".kept.wav"_s)).constData(), 0444);
    ASSERT_EQ(m_platform.files.attributes(tree.at(u".hidden.wav"_s)), 34);
    ASSERT_EQ(m_platform.files.attributes(tree.at(u".kept.wav"_s)), 35);

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{u".kept.wav"_s, u".cache/c.wav"_s, u"~drafts/d.wav"_s}));
}

TEST_F(AddAllInFolder, CancelEndsTheClickAndKeepsWhatWasStoredBefore)
{
    tree.make({u"a.wav"_s});
    m_settings.setValue(QStringLiteral("Extension"), QStringLiteral("mp3"));
    m_settings.setValue(QStringLiteral("LastFolder"), QStringLiteral("/music"));

    addAll(QString(), tree.root());
    EXPECT_EQ(stored("Extension"), QStringLiteral("mp3"));
    EXPECT_TRUE(dialogs().folderBrowserTitles.isEmpty());
    dialogs().folderAnswers.clear();

    // The new extension is saved before the folder picker opens, and stays when it is cancelled.
    QString storedWhilePicking;
    dialogs().onBrowseForFolder = [&] { storedWhilePicking = stored("Extension"); };
    QList<int> pointers;
    QObject::connect(m_form.get(), &Form1::mousePointerChanged,
                     [&](int kind) { pointers << kind; });
    addAll(QStringLiteral("flac"), QString());
    EXPECT_EQ(storedWhilePicking, QStringLiteral("flac"));
    EXPECT_EQ(stored("Extension"), QStringLiteral("flac"));
    EXPECT_EQ(stored("LastFolder"), QStringLiteral("/music"));
    EXPECT_EQ(dialogs().folderBrowserStarts, QStringList{u"/music"_s});
    EXPECT_TRUE(pointers.isEmpty());
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(dialogs().messages.isEmpty());
}

TEST_F(AddAllInFolder, AnUnreadableSubfolderIsLeftOutWithEverythingBelowIt)
{
    tree.make({u"a.wav"_s, u"locked/l.wav"_s, u"locked/inner/i.wav"_s, u"open/o.wav"_s,
               u"open/deeper/d.wav"_s});
    tree.lock(u"locked"_s, files());

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{u"a.wav"_s, u"open/o.wav"_s, u"open/deeper/d.wav"_s}));
    EXPECT_TRUE(dialogs().messages.isEmpty());
}

TEST_F(AddAllInFolder, AnUnreadableChosenFolderAddsNoRowsAtAll)
{
    tree.make({u"chosen/a.wav"_s, u"chosen/sub/b.wav"_s});
    tree.lock(u"chosen"_s, files());

    addAll(QStringLiteral("wav"), tree.at(u"chosen"_s));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(dialogs().messages.isEmpty());
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
}

// Odd file names are added; only folder names are refused.
TEST_F(AddAllInFolder, SubfoldersWithUnsafeNamesAreLeftOutWithEverythingBelowThem)
{
    const QStringList unsafe{QStringLiteral("bell\x07"), QStringLiteral("del\x7f"),
                             QStringLiteral("next\u0085line"), QStringLiteral("csi\u009b"),
                             QStringLiteral("what?")};
    for (const QString& name : unsafe)
        tree.make({name + u"/x.wav"_s, name + u"/below/y.wav"_s});
    tree.make({QStringLiteral("caf\u00e9 \u00a0nbsp/k.wav"), u"-dash 'q' \"dq\"/k.wav"_s,
               u"z/k.wav"_s, u"z/new\nline.wav"_s});

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{u"-dash 'q' \"dq\"/k.wav"_s,
                                          QStringLiteral("caf\u00e9 \u00a0nbsp/k.wav"),
                                          u"z/k.wav"_s, u"z/new\nline.wav"_s}));
}

// A link back up the tree is not entered again, so a loop ends; a FIFO is never
// listed and never blocks the scan. A linked file is a file like any other.
TEST_F(AddAllInFolder, LinkLoopsAndFifosNeitherHangNorRepeat)
{
    tree.make({u"a.wav"_s, u"sub/b.wav"_s});
    // One loop only, so that a scan that followed it would end (at the length limit) and fail.
    ASSERT_TRUE(QFile::link(QStringLiteral(".."), tree.at(u"sub/parent"_s)));
    ASSERT_TRUE(QFile::link(tree.at(u"a.wav"_s), tree.at(u"linked.wav"_s)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.at(u"pipe.wav"_s)).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.at(u"sub/pipe.wav"_s)).constData(), 0600), 0);

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{u"a.wav"_s, u"linked.wav"_s, u"sub/b.wav"_s}));

    // A chosen folder that is itself a link is scanned as the user named it.
    m_form->ListView1->removeAllRows();
    FolderTree outside;
    ASSERT_TRUE(QFile::link(tree.root(), outside.at(u"tree"_s)));
    addAll(QStringLiteral("wav"), outside.at(u"tree"_s));
    EXPECT_EQ(rows(),
              outside.at(QStringList{u"tree/a.wav"_s, u"tree/linked.wav"_s, u"tree/sub/b.wav"_s}));
    EXPECT_TRUE(dialogs().messages.isEmpty());
}

// Hidden system folders (22) and junctions (1046) are neither searched nor entered; the chosen
// folder is always searched for its own files, and the root is entered whatever its word.
TEST_F(AddAllInFolder, RefusedAttributeWordsAndTheRoot)
{
    tree.make({u"a.wav"_s, u"system/s.wav"_s, u"system/inner/i.wav"_s, u"junction/j.wav"_s,
               u"plain/p.wav"_s});
    files().attributeWords[tree.at(u"system"_s)] = 22;
    files().attributeWords[tree.at(u"junction"_s)] = 1046;
    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{u"a.wav"_s, u"plain/p.wav"_s}));

    m_form->ListView1->removeAllRows();
    addAll(QStringLiteral("wav"), tree.at(u"system"_s));
    EXPECT_EQ(rows(), QStringList{tree.at(u"system/s.wav"_s)});

    // "/" stands for the tree here; its rows start with one separator.
    m_form->ListView1->removeAllRows();
    files().attributeWords.clear();
    files().root = tree.root();
    files().attributeWords[QStringLiteral("/")] = 22;
    files().attributeWords[QStringLiteral("/junction")] = 1046;
    addAll(QStringLiteral("wav"), QStringLiteral("/"));
    EXPECT_EQ(rows(), (QStringList{u"/a.wav"_s, u"/plain/p.wav"_s, u"/system/s.wav"_s,
                                   u"/system/inner/i.wav"_s}));
    EXPECT_EQ(stored("LastFolder"), QStringLiteral("/"));
    EXPECT_TRUE(dialogs().messages.isEmpty());
}

// A folder whose listing is refused (70) or gone (76) leaves the list quietly; another failure
// keeps the subfolders read before it, and its files are reported at line 122 and not added;
// failures before any folder qualified show the scan's box.
TEST_F(AddAllInFolder, ListingFailuresFollowTheListingRule)
{
    tree.make({u"a.wav"_s, u"denied/d.wav"_s, u"gone/g.wav"_s, u"partial/p.wav"_s,
               u"partial/one/1.wav"_s, u"partial/two/2.wav"_s});
    files().subfolderAnswers[tree.at(u"denied"_s)] = {{}, 70};
    files().subfolderAnswers[tree.at(u"gone"_s)] = {{}, 76};
    files().subfolderAnswers[tree.at(u"partial"_s)] = {{u"one"_s}, 0, EIO};
    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{u"a.wav"_s, u"partial/one/1.wav"_s}));
    QStringList boxes;
    for (const MessageRequest& box : dialogs().messages)
        boxes << box.text.section(u'\r', 0, 1);
    EXPECT_EQ(boxes, QStringList{u"Input/output error\r\nin Tessaly2021/08/31.Form1."
                                 u"PushButton3_Click at line 122"_s});
    dialogs().messages.clear();

    m_form->ListView1->removeAllRows();
    files().subfolderAnswers.clear();
    files().failingAttributes << tree.root();
    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), QStringList{tree.at(u"a.wav"_s)});
    boxes.clear();
    for (const MessageRequest& box : dialogs().messages)
        boxes << box.text.section(u'\r', 0, 1);
    EXPECT_EQ(boxes,
              (QStringList{u"Device unavailable\r\nin Corvane2021/08/31.AddFolder."
                           u"GetSubDirectories2016 at line 112"_s,
                           u"Object variable or With block variable not set\r\nin "
                           u"Corvane2021/08/31.AddFolder.GetSubDirectories2016 at line 116"_s}));
    EXPECT_EQ(dialogs().messages.front().title, QStringLiteral("Application Error"));
}

QStringList boxTexts(const QList<MessageRequest>& messages)
{
    QStringList texts;
    for (const MessageRequest& box : messages)
        texts << box.text.section(u'\r', 0, 1);
    return texts;
}

// A failure of the system whose errno equals a refusal's number (ECOMM is 70, ENOTUNIQ 76 on
// Linux) is no refusal: the folder keeps the subfolders read before it, and its files are
// reported at line 122 in the system's words.
TEST_F(AddAllInFolder, ASystemFailureNumberedLikeARefusalIsNoRefusal)
{
    static_assert(ECOMM == 70 && ENOTUNIQ == 76);
    tree.make({u"a.wav"_s, u"comm/c.wav"_s, u"comm/one/1.wav"_s, u"unique/u.wav"_s,
               u"unique/two/2.wav"_s});
    files().subfolderAnswers[tree.at(u"comm"_s)] = {{u"one"_s}, 0, ECOMM};
    files().subfolderAnswers[tree.at(u"unique"_s)] = {{u"two"_s}, 0, ENOTUNIQ};
    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{u"a.wav"_s, u"comm/one/1.wav"_s, u"unique/two/2.wav"_s}));
    const QString at122 = u"\r\nin Tessaly2021/08/31.Form1.PushButton3_Click at line 122"_s;
    EXPECT_EQ(boxTexts(dialogs().messages),
              (QStringList{QString::fromLocal8Bit(std::strerror(ECOMM)) + at122,
                           QString::fromLocal8Bit(std::strerror(ENOTUNIQ)) + at122}));
}

// A chosen folder too long to be examined is still searched for its own files; when it cannot
// be read, the box of the click names line 122 and the folder adds nothing.
TEST_F(AddAllInFolder, AnUnreadableFolderThatWasNotExaminedIsReportedAtLine122)
{
    QString relative;
    while (tree.root().size() + relative.size() < kMaxPathChars + 10)
        relative += QStringLiteral("123456789/");
    tree.make({relative + u"a.wav"_s});
    tree.lock(relative.chopped(1), files());

    addAll(QStringLiteral("wav"), tree.at(relative).chopped(1));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(boxTexts(dialogs().messages),
              QStringList{u"Permission denied\r\nin Tessaly2021/08/31.Form1.PushButton3_Click at "
                          u"line 122"_s});
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
}

// A found folder that its own level could not examine is tested again on the way back up, where
// failures show the scan's box; its files, read when it was opened, are still added.
TEST_F(AddAllInFolder, TheScansLaterStepsReportTheirFailures)
{
    tree.make({u"a/a.wav"_s, u"b/b.wav"_s});
    files().failingAttributes << tree.at(u"b"_s);

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{u"a/a.wav"_s, u"b/b.wav"_s}));
    EXPECT_EQ(boxTexts(dialogs().messages),
              (QStringList{u"Device unavailable\r\nin Corvane2021/08/31.AddFolder."
                           u"GetSubDirectories2016 at line 156"_s,
                           u"Object variable or With block variable not set\r\nin "
                           u"Corvane2021/08/31.AddFolder.GetSubDirectories2016 at line 158"_s}));
}

// A row must name the file it came from: the folder named by the replacement character is
// listed, the folder and the file whose names are not UTF-8 are left out, and that is said.
TEST_F(AddAllInFolder, NamesThatAreNotUtf8AreLeftOutAndSaid)
{
    const QByteArray base = QFile::encodeName(tree.root()) + '/';
    ByteNamedEntries made;
    ASSERT_TRUE(made.namesThatAreNotUtf8(base));
    tree.make({u"good.wav"_s});

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{u"good.wav"_s, QStringLiteral("\ufffd/in.wav")}));
    ASSERT_EQ(dialogs().messages.size(), 1);
    EXPECT_EQ(dialogs().messages.front().text,
              QStringLiteral("2 files or folders were not added: their names are not valid "
                             "UTF-8 or hold a NUL character, so no row can name them."));
    EXPECT_EQ(dialogs().messages.front().title, QStringLiteral("Brindlecast"));
}

// A chosen folder whose path holds a NUL names nothing: the part before the NUL is not scanned.
TEST_F(AddAllInFolder, AChosenPathHoldingANulAddsNothing)
{
    tree.make({u"a.wav"_s, u"sub/b.wav"_s});
    addAll(QStringLiteral("wav"), tree.root() + QChar(0) + QStringLiteral("/sub"));
    EXPECT_TRUE(rows().isEmpty());
}

// During the scan the window is busy, handles pending events, and refuses "Clear List".
TEST_F(AddAllInFolder, TheWindowStaysResponsiveAndBusyDuringTheScan)
{
    tree.make({u"a.wav"_s, u"one/b.wav"_s, u"two/c.wav"_s});
    m_form->ListView1->appendRow(QStringLiteral("/before.wav"));
    bool timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    QList<bool> firedDuringScan;
    QList<int> pointersDuringScan;
    files().onSubfolders = [&](const QString&) {
        firedDuringScan << timerFired;
        pointersDuringScan << m_form->mousePointer();
        m_form->PushButton4->click();
    };

    addAll(QStringLiteral("wav"), tree.root());
    ASSERT_EQ(firedDuringScan.size(), 3);
    EXPECT_TRUE(firedDuringScan.last());
    EXPECT_EQ(pointersDuringScan, (QList<int>{PointerBusy, PointerBusy, PointerBusy}));
    EXPECT_EQ(rows(), QStringList{u"/before.wav"_s} +
                          tree.at(QStringList{u"a.wav"_s, u"one/b.wav"_s, u"two/c.wav"_s}));
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
}

} // namespace
} // namespace brindlecast::test
