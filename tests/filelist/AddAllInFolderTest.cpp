// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/AddAllInFolder.h"

#include "FolderFixture.h"
#include "core/PointerKind.h"
#include "filelist/AddFolder.h"
#include "support/ByteNamedEntries.h"

#include <QTimer>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

class AddAllInFolder : public FolderFixture {};

// Rows come folder by folder: the chosen folder, then its subfolders level by level, each
// folder's names sorted ignoring case. Adding the same folder again lists every file again.
TEST_F(AddAllInFolder, AddsMatchingFilesFolderByFolderBreadthFirst)
{
    tree.make({"top.wav", "B.wav", "a.WAV", "notes.txt", "beta/b1.wav", "beta/x/deep.wav",
               "beta/x/y/deepest.wav", "Alpha/a1.wav", "Alpha/z/az.wav", "gamma/q/q.wav"});
    addAll(QStringLiteral("wav"), tree.root());

    const QStringList once = tree.at(QStringList{"a.WAV", "B.wav", "top.wav", "Alpha/a1.wav",
                                                 "beta/b1.wav", "Alpha/z/az.wav", "beta/x/deep.wav",
                                                 "gamma/q/q.wav", "beta/x/y/deepest.wav"});
    EXPECT_EQ(rows(), once);
    EXPECT_TRUE(dialogs().messages.isEmpty());
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
    EXPECT_EQ(dialogs().inputPrompts,
              QStringList{"Enter file extension to load:\r\r(* for all files, txt for all txt "
                          "files, doc for all doc files, etc.)"});
    EXPECT_EQ(dialogs().inputTitles, QStringList{"Brindlecast"});
    EXPECT_EQ(dialogs().inputDefaults, QStringList{"wav"});
    EXPECT_EQ(dialogs().folderBrowserTitles, QStringList{"Please select folder:"});
    EXPECT_EQ(dialogs().folderBrowserStarts, QStringList{""});
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
    tree.make({"a.wav", "b.txt", "README", ".profile", "sub/c.WAV"});
    const QString root = tree.root();

    addAll(QStringLiteral("*"), root);
    EXPECT_EQ(rows(), tree.at(QStringList{"a.wav", "b.txt", "README", "sub/c.WAV"}));
    m_form->ListView1->removeAllRows();

    addAll(QStringLiteral("WAV"), root);
    EXPECT_EQ(rows(), tree.at(QStringList{"a.wav", "sub/c.WAV"}));
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
    tree.make({"~lock.wav", ".hidden.wav", ".kept.wav", "~drafts/d.wav", ".cache/c.wav"});
    ::chmod(QFile::encodeName(tree.at(".kept.wav")).constData(), 0444);
    ASSERT_EQ(m_platform.files.attributes(tree.at(".hidden.wav")), 34);
    ASSERT_EQ(m_platform.files.attributes(tree.at(".kept.wav")), 35);

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{".kept.wav", ".cache/c.wav", "~drafts/d.wav"}));
}

TEST_F(AddAllInFolder, CancelEndsTheClickAndKeepsWhatWasStoredBefore)
{
    tree.make({"a.wav"});
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
    EXPECT_EQ(dialogs().folderBrowserStarts, QStringList{"/music"});
    EXPECT_TRUE(pointers.isEmpty());
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_TRUE(dialogs().messages.isEmpty());
}

TEST_F(AddAllInFolder, AnUnreadableSubfolderIsLeftOutWithEverythingBelowIt)
{
    tree.make({"a.wav", "locked/l.wav", "locked/inner/i.wav", "open/o.wav", "open/deeper/d.wav"});
    tree.lock("locked", files());

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{"a.wav", "open/o.wav", "open/deeper/d.wav"}));
    EXPECT_TRUE(dialogs().messages.isEmpty());
}

TEST_F(AddAllInFolder, AnUnreadableChosenFolderAddsNoRowsAtAll)
{
    tree.make({"chosen/a.wav", "chosen/sub/b.wav"});
    tree.lock("chosen", files());

    addAll(QStringLiteral("wav"), tree.at("chosen"));
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
        tree.make({name + "/x.wav", name + "/below/y.wav"});
    tree.make({QStringLiteral("caf\u00e9 \u00a0nbsp/k.wav"), "-dash 'q' \"dq\"/k.wav", "z/k.wav",
               "z/new\nline.wav"});

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{"-dash 'q' \"dq\"/k.wav",
                                          QStringLiteral("caf\u00e9 \u00a0nbsp/k.wav"), "z/k.wav",
                                          "z/new\nline.wav"}));
}

// A link back up the tree is not entered again, so a loop ends; a FIFO is never
// listed and never blocks the scan. A linked file is a file like any other.
TEST_F(AddAllInFolder, LinkLoopsAndFifosNeitherHangNorRepeat)
{
    tree.make({"a.wav", "sub/b.wav"});
    // One loop only, so that a scan that followed it would end (at the length limit) and fail.
    ASSERT_TRUE(QFile::link(QStringLiteral(".."), tree.at("sub/parent")));
    ASSERT_TRUE(QFile::link(tree.at("a.wav"), tree.at("linked.wav")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.at("pipe.wav")).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.at("sub/pipe.wav")).constData(), 0600), 0);

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{"a.wav", "linked.wav", "sub/b.wav"}));

    // A chosen folder that is itself a link is scanned as the user named it.
    m_form->ListView1->removeAllRows();
    FolderTree outside;
    ASSERT_TRUE(QFile::link(tree.root(), outside.at("tree")));
    addAll(QStringLiteral("wav"), outside.at("tree"));
    EXPECT_EQ(rows(), outside.at(QStringList{"tree/a.wav", "tree/linked.wav", "tree/sub/b.wav"}));
    EXPECT_TRUE(dialogs().messages.isEmpty());
}

// Hidden system folders (22) and junctions (1046) are neither searched nor entered; the chosen
// folder is always searched for its own files, and the root is entered whatever its word.
TEST_F(AddAllInFolder, RefusedAttributeWordsAndTheRoot)
{
    tree.make({"a.wav", "system/s.wav", "system/inner/i.wav", "junction/j.wav", "plain/p.wav"});
    files().attributeWords[tree.at("system")] = 22;
    files().attributeWords[tree.at("junction")] = 1046;
    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{"a.wav", "plain/p.wav"}));

    m_form->ListView1->removeAllRows();
    addAll(QStringLiteral("wav"), tree.at("system"));
    EXPECT_EQ(rows(), QStringList{tree.at("system/s.wav")});

    // "/" stands for the tree here; its rows start with one separator.
    m_form->ListView1->removeAllRows();
    files().attributeWords.clear();
    files().root = tree.root();
    files().attributeWords[QStringLiteral("/")] = 22;
    files().attributeWords[QStringLiteral("/junction")] = 1046;
    addAll(QStringLiteral("wav"), QStringLiteral("/"));
    EXPECT_EQ(rows(),
              (QStringList{"/a.wav", "/plain/p.wav", "/system/s.wav", "/system/inner/i.wav"}));
    EXPECT_EQ(stored("LastFolder"), QStringLiteral("/"));
    EXPECT_TRUE(dialogs().messages.isEmpty());
}

// A folder whose listing is refused (70) or gone (76) leaves the list quietly; another failure
// keeps the subfolders read before it, and its files are reported at line 122 and not added;
// failures before any folder qualified show the scan's box.
TEST_F(AddAllInFolder, ListingFailuresFollowTheListingRule)
{
    tree.make({"a.wav", "denied/d.wav", "gone/g.wav", "partial/p.wav", "partial/one/1.wav",
               "partial/two/2.wav"});
    files().subfolderAnswers[tree.at("denied")] = {{}, 70};
    files().subfolderAnswers[tree.at("gone")] = {{}, 76};
    files().subfolderAnswers[tree.at("partial")] = {{"one"}, 5};
    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{"a.wav", "partial/one/1.wav"}));
    QStringList boxes;
    for (const MessageRequest& box : dialogs().messages)
        boxes << box.text.section(u'\r', 0, 1);
    EXPECT_EQ(boxes, QStringList{"Input/output error\r\nin Tessaly2021/08/31.Form1."
                                 "PushButton3_Click at line 122"});
    dialogs().messages.clear();

    m_form->ListView1->removeAllRows();
    files().subfolderAnswers.clear();
    files().failingAttributes << tree.root();
    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), QStringList{tree.at("a.wav")});
    boxes.clear();
    for (const MessageRequest& box : dialogs().messages)
        boxes << box.text.section(u'\r', 0, 1);
    EXPECT_EQ(boxes,
              (QStringList{"Device unavailable\r\nin Corvane2021/08/31.AddFolder."
                           "GetSubDirectories2016 at line 112",
                           "Object variable or With block variable not set\r\nin "
                           "Corvane2021/08/31.AddFolder.GetSubDirectories2016 at line 116"}));
    EXPECT_EQ(dialogs().messages.front().title, QStringLiteral("Application Error"));
}

QStringList boxTexts(const QList<MessageRequest>& messages)
{
    QStringList texts;
    for (const MessageRequest& box : messages)
        texts << box.text.section(u'\r', 0, 1);
    return texts;
}

// A chosen folder too long to be examined is still searched for its own files; when it cannot
// be read, the box of the click names line 122 and the folder adds nothing.
TEST_F(AddAllInFolder, AnUnreadableFolderThatWasNotExaminedIsReportedAtLine122)
{
    QString relative;
    while (tree.root().size() + relative.size() < kMaxPathChars + 10)
        relative += QStringLiteral("123456789/");
    tree.make({relative + "a.wav"});
    tree.lock(relative.chopped(1), files());

    addAll(QStringLiteral("wav"), tree.at(relative).chopped(1));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(boxTexts(dialogs().messages),
              QStringList{"Permission denied\r\nin Tessaly2021/08/31.Form1.PushButton3_Click at "
                          "line 122"});
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
}

// A found folder that its own level could not examine is tested again on the way back up, where
// failures show the scan's box; its files, read when it was opened, are still added.
TEST_F(AddAllInFolder, TheScansLaterStepsReportTheirFailures)
{
    tree.make({"a/a.wav", "b/b.wav"});
    files().failingAttributes << tree.at("b");

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{"a/a.wav", "b/b.wav"}));
    EXPECT_EQ(boxTexts(dialogs().messages),
              (QStringList{"Device unavailable\r\nin Corvane2021/08/31.AddFolder."
                           "GetSubDirectories2016 at line 156",
                           "Object variable or With block variable not set\r\nin "
                           "Corvane2021/08/31.AddFolder.GetSubDirectories2016 at line 158"}));
}

// A row must name the file it came from: the folder named by the replacement character is
// listed, the folder and the file whose names are not UTF-8 are left out, and that is said.
TEST_F(AddAllInFolder, NamesThatAreNotUtf8AreLeftOutAndSaid)
{
    const QByteArray base = QFile::encodeName(tree.root()) + '/';
    ByteNamedEntries made;
    for (const QByteArray& folder : {QByteArray("\xff"), QByteArray("\xef\xbf\xbd")}) {
        ASSERT_TRUE(made.folder(base + folder));
        ASSERT_TRUE(made.file(base + folder + "/in.wav"));
    }
    ASSERT_TRUE(made.file(base + "bad\xff.wav"));
    tree.make({"good.wav"});

    addAll(QStringLiteral("wav"), tree.root());
    EXPECT_EQ(rows(), tree.at(QStringList{"good.wav", QStringLiteral("\ufffd/in.wav")}));
    ASSERT_EQ(dialogs().messages.size(), 1);
    EXPECT_EQ(dialogs().messages.front().text,
              QStringLiteral("2 files or folders were not added: their names are not valid "
                             "UTF-8 or hold a NUL character, so no row can name them."));
    EXPECT_EQ(dialogs().messages.front().title, QStringLiteral("Brindlecast"));
}

// A chosen folder whose path holds a NUL names nothing: the part before the NUL is not scanned.
TEST_F(AddAllInFolder, AChosenPathHoldingANulAddsNothing)
{
    tree.make({"a.wav", "sub/b.wav"});
    addAll(QStringLiteral("wav"), tree.root() + QChar(0) + QStringLiteral("/sub"));
    EXPECT_TRUE(rows().isEmpty());
}

// During the scan the window is busy, handles pending events, and refuses "Clear List".
TEST_F(AddAllInFolder, TheWindowStaysResponsiveAndBusyDuringTheScan)
{
    tree.make({"a.wav", "one/b.wav", "two/c.wav"});
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
    EXPECT_EQ(rows(),
              QStringList{"/before.wav"} + tree.at(QStringList{"a.wav", "one/b.wav", "two/c.wav"}));
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
}

} // namespace
} // namespace brindlecast::test
