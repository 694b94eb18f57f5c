// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderFixture.h"
#include "core/Failure.h"
#include "core/FileRows.h"
#include "core/StepReporter.h"
#include "filelist/AddFolder.h"
#include "filelist/BrowseForFolder.h"
#include "filelist/EventPacer.h"
#include "filelist/FolderFiles.h"
#include "filelist/NameOrder.h"
#include "support/ByteNamedEntries.h"
#include "support/CaseName.h"
#include "support/RecordedRows.h"

#include <QFileInfo>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

struct NameCase {
    std::string name;
    QString text;
    bool unsafe;
};

class UnsafeCharacters : public ::testing::TestWithParam<NameCase> {};

TEST_P(UnsafeCharacters, AreControlCodesC1CodesAndTheQuestionMark)
{
    EXPECT_EQ(HasUnsafeCharacters(GetParam().text), GetParam().unsafe);
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnsafeCharacters,
    ::testing::Values(NameCase{"Empty", QString(), false},
                      NameCase{"Plain", QStringLiteral("My Album (2021) - 'live'"), false},
                      NameCase{"NonAscii", QStringLiteral("caf\u00e9 \u4e2d \u00a0"), false},
                      NameCase{"Tab", QStringLiteral("a\tb"), true},
                      NameCase{"Newline", QStringLiteral("a\nb"), true},
                      NameCase{"UnitSeparator", QStringLiteral("\x1f"), true},
                      NameCase{"Delete", QStringLiteral("end\x7f"), true},
                      NameCase{"FirstC1", QStringLiteral("\u0080"), true},
                      NameCase{"LastC1", QStringLiteral("x\u009f"), true},
                      NameCase{"QuestionMark", QStringLiteral("why?"), true}),
    CaseName());

using RowList = RecordedRows;

class FolderScan : public ::testing::Test {
protected:
    QStringList scan(const QStringList& start)
    {
        EventPacer pace([] { return qint64(0); }, [] {});
        ScanSession session{files, dialogs, QStringLiteral("*.*"), pace, 0, {}};
        FolderList folders;
        for (const QString& path : start)
            folders << ScannedFolder::named(path);
        GetSubDirectories2016(session, folders);
        QStringList paths;
        for (const ScannedFolder& folder : std::as_const(folders))
            paths << folder.path;
        return paths;
    }

    FolderTree tree;
    ScriptedFileSystem files;
    ScriptedDialogs dialogs;
};

TEST_F(FolderScan, FileIsAccessibleOnlyForRegularFilesThatOpen)
{
    tree.make({u"a.wav"_s, u"folder/"_s});
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.at(u"fifo"_s)).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(tree.at(u"a.wav"_s), tree.at(u"link.wav"_s)));
    ASSERT_TRUE(QFile::link(tree.at(u"missing.wav"_s), tree.at(u"dangling.wav"_s)));

    EXPECT_TRUE(FileIsAccessible(files, tree.at(u"a.wav"_s)));
    EXPECT_TRUE(FileIsAccessible(files, tree.at(u"link.wav"_s)));
    EXPECT_FALSE(FileIsAccessible(files, tree.at(u"folder"_s)));
    EXPECT_FALSE(FileIsAccessible(files, tree.at(u"fifo"_s)));
    EXPECT_FALSE(FileIsAccessible(files, tree.at(u"dangling.wav"_s)));
    EXPECT_FALSE(FileIsAccessible(files, tree.at(u"missing.wav"_s)));
    EXPECT_FALSE(FileIsAccessible(files, QString()));
    EXPECT_FALSE(FileIsAccessible(files, QStringLiteral("/dev/null")));
    if (!runningAsRoot()) {
        ::chmod(QFile::encodeName(tree.at(u"a.wav"_s)).constData(), 0);
        EXPECT_FALSE(FileIsAccessible(files, tree.at(u"a.wav"_s)));
    }
}

TEST_F(FolderScan, ListMatchingFilesNumbersTheAccessibleMatchesFromOne)
{
    tree.make({u"b.WAV"_s, u"A.wav"_s, u".hidden.wav"_s, u"c.wav.txt"_s, u"sub.wav/x.wav"_s});
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.at(u"fifo.wav"_s)).constData(), 0600), 0);

    const NameArray names = ListMatchingFiles(files, tree.root(), QStringLiteral("*.wav"));
    EXPECT_EQ(names.names(), (QStringList{u".hidden.wav"_s, u"A.wav"_s, u"b.WAV"_s}));
    EXPECT_EQ(names.lowestIndex(), 1);
    EXPECT_EQ(names.highestIndex(), 3);
    EXPECT_EQ(names.at(1), QStringLiteral(".hidden.wav"));
    EXPECT_THROW(names.at(0), Failure);
    EXPECT_EQ(ListMatchingFiles(files, tree.root() + u'/', QStringLiteral("*.wav")).names(),
              names.names());

    for (const QString& folder : {tree.at(u"sub.wav"_s), tree.at(u"missing"_s)}) {
        const NameArray none = ListMatchingFiles(files, folder, QStringLiteral("*.flac"));
        EXPECT_EQ(none.lowestIndex(), 0);
        EXPECT_EQ(none.highestIndex(), 0);
        EXPECT_EQ(none.at(0), QString());
    }

    files.deniedFolders << tree.root();
    try {
        ListMatchingFiles(files, tree.root(), QStringLiteral("*.*"));
        ADD_FAILURE() << "a refused folder was listed";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), 70);
        EXPECT_EQ(failure.description(), QStringLiteral("Permission denied"));
    }
}

TEST_F(FolderScan, KeepsTheGivenEntriesAndAppendsEachLevelAfterThem)
{
    tree.make({u"one/a/"_s, u"one/b/x/"_s, u"two/c/"_s});
    const QString one = tree.at(u"one/"_s);
    const QString two = tree.at(u"two/"_s);

    EXPECT_EQ(scan({one, two}), (QStringList{one, two, one + u"a/"_s, one + u"b/"_s, two + u"c/"_s,
                                             one + u"b/x/"_s}));
    // A refused folder leaves the list once for each time it is met, first occurrence first.
    files.deniedFolders << tree.at(u"two"_s);
    EXPECT_EQ(scan({two, one, two}),
              (QStringList{one, one + u"a/"_s, one + u"b/"_s, one + u"b/x/"_s}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Entries of 260 characters or more stay in the list but are not examined; subfolder names of
// that length are not collected.
TEST_F(FolderScan, TheLengthLimitStopsTheDescent)
{
    const QString base = tree.root() + u'/';
    QString deep = base;
    while (deep.size() + 11 < kMaxPathChars)
        deep += QStringLiteral("123456789/");
    tree.make({deep.mid(base.size()) + u"last/below/"_s});
    const QString last = deep + QStringLiteral("last/");
    ASSERT_LT(last.size(), kMaxPathChars + 5);
    ASSERT_GE(last.size(), kMaxPathChars);

    const QStringList folders = scan({base});
    EXPECT_EQ(folders.last(), last);
    EXPECT_FALSE(folders.contains(last + QStringLiteral("below/")));

    files.subfolderAnswers[tree.root()] = {{QString(kMaxPathChars, u'n'), u"123456789"_s}, 0};
    EXPECT_EQ(scan({base}).mid(0, 3),
              (QStringList{base, base + u"123456789/"_s, base + u"123456789/123456789/"_s}));
}

// Links to folders below the chosen one are followed, but no folder is entered twice: a loop or a
// link to an ancestor ends, two links to one folder scan it once, a link elsewhere is scanned.
TEST_F(FolderScan, FollowsLinksToFoldersButEntersNoFolderTwice)
{
    FolderTree elsewhere;
    elsewhere.make({u"old/deep/"_s});
    tree.make({u"a/b/"_s, u"music/"_s});
    ASSERT_TRUE(QFile::link(tree.at(u"a/b"_s), tree.at(u"a/b/loop"_s)));     // a loop onto itself
    ASSERT_TRUE(QFile::link(tree.root(), tree.at(u"a/b/up"_s)));             // the chosen folder
    ASSERT_TRUE(QFile::link(tree.at(u"a"_s), tree.at(u"music/ancestor"_s))); // met before
    ASSERT_TRUE(QFile::link(elsewhere.at(u"old"_s), tree.at(u"music/old 1"_s)));
    ASSERT_TRUE(QFile::link(elsewhere.at(u"old"_s), tree.at(u"music/old 2"_s)));

    const QString root = tree.root() + u'/';
    EXPECT_EQ(scan({root}), (QStringList{root, root + u"a/"_s, root + u"music/"_s, root + u"a/b/"_s,
                                         root + u"music/old 1/"_s, root + u"music/old 1/deep/"_s}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

struct OrderCase {
    std::string name;
    QStringList shuffled;
    QStringList ordered;
};

class NameOrder : public ::testing::TestWithParam<OrderCase> {};

// Upper-case forms are compared, so "_", "[" and "^" (after "Z" in code points) come after
// letters; equal forms keep one fixed order.
TEST_P(NameOrder, ComparesUpperCaseFormsCodePointByCodePoint)
{
    QStringList names = GetParam().shuffled;
    sortByName(names, [](const QString& name) { return QStringView(name); }, {});
    EXPECT_EQ(names, GetParam().ordered);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameOrder,
    ::testing::Values(
        OrderCase{"PunctuationAfterLetters",
                  {u"_intro"_s, u"zeta"_s, u"^x"_s, u"Alpha"_s, u"[live]"_s, u"beta"_s},
                  {u"Alpha"_s, u"beta"_s, u"zeta"_s, u"[live]"_s, u"^x"_s, u"_intro"_s}},
        OrderCase{"DigitsAndDotsBeforeLetters",
                  {u"b"_s, u"10"_s, u".x"_s, u"a"_s, u"9"_s},
                  {u".x"_s, u"10"_s, u"9"_s, u"a"_s, u"b"_s}},
        OrderCase{
            "EqualFormsStable", {u"a"_s, u"B"_s, u"A"_s, u"b"_s}, {u"A"_s, u"a"_s, u"B"_s, u"b"_s}},
        OrderCase{"PrefixFirst", {u"abc"_s, u"AB"_s, u"a"_s}, {u"a"_s, u"AB"_s, u"abc"_s}},
        OrderCase{"NonAsciiByUpperCase",
                  {QStringLiteral("\u00e9t\u00e9"), QStringLiteral("\u00c9T\u00c9S"), u"zz"_s,
                   u"\U0001F3B5"_s},
                  {u"zz"_s, QStringLiteral("\u00e9t\u00e9"), QStringLiteral("\u00c9T\u00c9S"),
                   u"\U0001F3B5"_s}}),
    CaseName());

// The scan lists subfolders and files in that order too.
TEST_F(FolderScan, SubfoldersComeInUpperCaseOrder)
{
    tree.make({u"_intro/"_s, u"zeta/"_s, u"^x/"_s, u"Alpha/"_s, u"[live]/"_s, u"beta/"_s});
    const QString root = tree.root() + u'/';
    EXPECT_EQ(scan({root}),
              (QStringList{root, root + u"Alpha/"_s, root + u"beta/"_s, root + u"zeta/"_s,
                           root + u"[live]/"_s, root + u"^x/"_s, root + u"_intro/"_s}));
}

// A folder is listed through the handle that was checked: swapping it for a link to another tree
// before it is opened, or after it was read, never lists that tree.
class SwappedFolder : public FolderScan {
protected:
    void SetUp() override
    {
        tree.make({u"a.wav"_s, u"sw/in.wav"_s, u"zz/z.wav"_s});
        outside.make({u"secret.wav"_s, u"inner/deep.wav"_s});
    }

    // Puts a link to the other tree where the folder "sw" was, and keeps the folder beside it.
    void swap()
    {
        ASSERT_TRUE(QDir().rename(tree.at(u"sw"_s), tree.at(u"sw_real"_s)));
        ASSERT_TRUE(QFile::link(outside.root(), tree.at(u"sw"_s)));
    }

    QStringList addedRows()
    {
        EventPacer pace([] { return qint64(0); }, [] {});
        ScanSession session{files, dialogs, QStringLiteral("*.wav"), pace, 0, {}};
        FolderList folders{ScannedFolder::named(tree.root() + u'/')};
        GetSubDirectories2016(session, folders);
        for (const ScannedFolder& folder : std::as_const(folders))
            scanned << folder.path;
        SilentErrorBox quiet;
        StepReporter steps(quiet, QString());
        RowList list;
        appendFolderFiles(session, folders, tree.root(), list, steps);
        return list.rows;
    }

    FolderTree outside;
    QStringList scanned;
};

TEST_F(SwappedFolder, BeforeItIsOpenedItIsLeftOut)
{
    files.onSubfolders = [&](const QString& folder) {
        if (folder.endsWith(u"/sw/") && !QFileInfo(tree.at(u"sw_real"_s)).exists())
            swap();
    };
    EXPECT_EQ(addedRows(), tree.at(QStringList{u"a.wav"_s, u"zz/z.wav"_s}));
    EXPECT_FALSE(scanned.join(u'|').contains(u"inner"));
}

TEST_F(SwappedFolder, AfterItWasReadItsOwnFilesAreListed)
{
    files.onSubfolders = [&](const QString& folder) {
        if (folder.endsWith(u"/zz/"))
            swap();
    };
    EXPECT_EQ(addedRows(), tree.at(QStringList{u"a.wav"_s, u"sw/in.wav"_s, u"zz/z.wav"_s}));
}

// Names that are not UTF-8 never become rows under a text that names another file; they are
// counted so that the caller can say so.
TEST_F(FolderScan, NamesThatAreNotUtf8AreCountedAndNeverMerged)
{
    const QByteArray base = QFile::encodeName(tree.root()) + '/';
    ByteNamedEntries made;
    ASSERT_TRUE(made.namesThatAreNotUtf8(base));

    EventPacer pace([] { return qint64(0); }, [] {});
    ScanSession session{files, dialogs, QStringLiteral("*.wav"), pace, 0, {}};
    FolderList folders{ScannedFolder::named(tree.root() + u'/')};
    GetSubDirectories2016(session, folders);
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[1].path, tree.root() + QStringLiteral("/\ufffd/"));
    EXPECT_TRUE(folders[0].files.isEmpty());
    EXPECT_EQ(session.undecodableNames, 2);
}

// Every phase ticks the pacer as it works, so the window gets its events at a steady pace: with a
// clock that moves one millisecond per question, no pump is ever more than one interval of
// entries, subfolders or rows away from the last.
TEST_F(FolderScan, EveryPhasePumpsEventsAtAStepPace)
{
    QStringList names;
    for (int folder = 0; folder < 30; ++folder)
        names << QStringLiteral("f%1/").arg(folder);
    for (int file = 0; file < 600; ++file)
        names << QStringLiteral("f7/t%1.wav").arg(file) << QStringLiteral("n%1.wav").arg(file);
    tree.make(names);

    qint64 now = 0;
    struct Mark {
        int entries;
        int rows;
    };
    QList<Mark> pumps;
    RowList* listSeen = nullptr;
    EventPacer pace([&] { return now++; },
                    [&] {
                        pumps.append({files.entriesRead, listSeen ? listSeen->rowCount() : 0});
                    });
    ScanSession session{files, dialogs, QStringLiteral("*.wav"), pace, 0, {}};
    FolderList folders{ScannedFolder::named(tree.root() + u'/')};
    GetSubDirectories2016(session, folders);
    RowList list;
    listSeen = &list;
    SilentErrorBox quiet;
    StepReporter steps(quiet, QString());
    appendFolderFiles(session, folders, tree.root(), list, steps);
    ASSERT_EQ(list.rowCount(), 1200);

    // A pump at most every ten clock questions; every entry read and every row asks at least once.
    ASSERT_GE(pumps.size(), (files.entriesRead + list.rowCount()) / 10);
    for (qsizetype i = 1; i < pumps.size(); ++i) {
        EXPECT_LE(pumps[i].entries - pumps[i - 1].entries, 10) << i;
        EXPECT_LE(pumps[i].rows - pumps[i - 1].rows, 10) << i;
    }
}

// Between the end of a folder's listing and the next folder's, the scan sorts the names and
// collects the subfolders: neither reads an entry nor adds a row, and both pump all the same.
TEST_F(FolderScan, SortingAndCollectingAFolderPumpToo)
{
    constexpr int kCount = 2000;
    QStringList names;
    for (int i = 0; i < kCount; ++i)
        names << QStringLiteral("files/t%1.wav").arg(i) << QStringLiteral("folders/s%1/").arg(i);
    tree.make(names);

    // Pumps after the chosen folder's last entry was read and before any other folder is read;
    // with `beforeCollecting`, only those before its first subfolder was collected.
    const auto pumpsAfterListing = [&](const QString& chosen, bool beforeCollecting = false) {
        qint64 now = 0;
        bool otherFolderRead = false;
        const ScanSession* scanning = nullptr;
        QList<int> entriesAtPumps;
        EventPacer pace([&] { return now++; },
                        [&] {
                            if (!otherFolderRead &&
                                !(beforeCollecting && !scanning->seen.isEmpty()))
                                entriesAtPumps.append(files.entriesRead);
                        });
        files.entriesRead = 0;
        files.onSubfolders = [&](const QString& folder) { otherFolderRead |= folder != chosen; };
        ScanSession session{files, dialogs, QStringLiteral("*.wav"), pace, 0, {}};
        scanning = &session;
        FolderList folders{ScannedFolder::named(chosen)};
        GetSubDirectories2016(session, folders);
        const int listed = entriesAtPumps.isEmpty() ? -1 : entriesAtPumps.last();
        return entriesAtPumps.count(listed);
    };

    // Sorting 2000 names ticks some 85 times, so about eight pumps; without those ticks only the
    // step after the listing could pump.
    EXPECT_GE(pumpsAfterListing(tree.at(u"files/"_s)), 4);
    EXPECT_GE(pumpsAfterListing(tree.at(u"folders/"_s), true), 4);
    // Each subfolder collected ticks once: some 200 pumps.
    EXPECT_GE(pumpsAfterListing(tree.at(u"folders/"_s)), kCount / 20);
}

// Sorting a large folder pumps too.
TEST(NameOrderPace, SortingManyNamesTicks)
{
    QStringList names;
    for (int i = 0; i < 20000; ++i)
        names << QString::number((i * 7919) % 20000);
    int ticks = 0;
    sortByName(
        names, [](const QString& name) { return QStringView(name); }, [&] { ++ticks; });
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return comesBefore(a, b);
    }));
    EXPECT_GE(ticks, 20000 / 256);
}

TEST(BrowseForFolder, ReturnsTheChosenFolderWithoutTrailingSeparatorButTheRootAsIs)
{
    ScriptedDialogs dialogs;
    dialogs.folderAnswers = {QStringLiteral("/music/"), QStringLiteral("/"), QString()};
    const QString title = QStringLiteral("Please select folder:");
    EXPECT_EQ(BrowseForFolder(dialogs, title, QStringLiteral("/start")), QStringLiteral("/music"));
    EXPECT_EQ(BrowseForFolder(dialogs, title, QString()), QStringLiteral("/"));
    EXPECT_EQ(BrowseForFolder(dialogs, title, QStringLiteral("/no such folder")), QString());
    EXPECT_EQ(dialogs.folderBrowserStarts, (QStringList{u"/start"_s, u""_s, u"/no such folder"_s}));
    EXPECT_EQ(dialogs.folderBrowserTitles, QStringList(3, title));
}

} // namespace
} // namespace brindlecast::test
