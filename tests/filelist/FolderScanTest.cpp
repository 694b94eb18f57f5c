#include "FolderFixture.h"
#include "core/Failure.h"
#include "filelist/AddFolder.h"
#include "filelist/BrowseForFolder.h"
#include "filelist/EventPacer.h"
#include "support/CaseName.h"

#include <sys/stat.h>

namespace brindlecast::test {
namespace {

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
    tree.make({"a.wav", "folder/"});
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.at("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(tree.at("a.wav"), tree.at("link.wav")));
    ASSERT_TRUE(QFile::link(tree.at("missing.wav"), tree.at("dangling.wav")));

    EXPECT_TRUE(FileIsAccessible(files, tree.at("a.wav")));
    EXPECT_TRUE(FileIsAccessible(files, tree.at("link.wav")));
    EXPECT_FALSE(FileIsAccessible(files, tree.at("folder")));
    EXPECT_FALSE(FileIsAccessible(files, tree.at("fifo")));
    EXPECT_FALSE(FileIsAccessible(files, tree.at("dangling.wav")));
    EXPECT_FALSE(FileIsAccessible(files, tree.at("missing.wav")));
    EXPECT_FALSE(FileIsAccessible(files, QString()));
    EXPECT_FALSE(FileIsAccessible(files, QStringLiteral("/dev/null")));
    if (!runningAsRoot()) {
        ::chmod(QFile::encodeName(tree.at("a.wav")).constData(), 0);
        EXPECT_FALSE(FileIsAccessible(files, tree.at("a.wav")));
    }
}

TEST_F(FolderScan, ListMatchingFilesNumbersTheAccessibleMatchesFromOne)
{
    tree.make({"b.WAV", "A.wav", ".hidden.wav", "c.wav.txt", "sub.wav/x.wav"});
    ASSERT_EQ(::mkfifo(QFile::encodeName(tree.at("fifo.wav")).constData(), 0600), 0);

    const NameArray names = ListMatchingFiles(files, tree.root(), QStringLiteral("*.wav"));
    EXPECT_EQ(names.names(), (QStringList{".hidden.wav", "A.wav", "b.WAV"}));
    EXPECT_EQ(names.lowestIndex(), 1);
    EXPECT_EQ(names.highestIndex(), 3);
    EXPECT_EQ(names.at(1), QStringLiteral(".hidden.wav"));
    EXPECT_THROW(names.at(0), Failure);
    EXPECT_EQ(ListMatchingFiles(files, tree.root() + u'/', QStringLiteral("*.wav")).names(),
              names.names());

    for (const QString& folder : {tree.at("sub.wav"), tree.at("missing")}) {
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
    tree.make({"one/a/", "one/b/x/", "two/c/"});
    const QString one = tree.at("one/");
    const QString two = tree.at("two/");

    EXPECT_EQ(scan({one, two}),
              (QStringList{one, two, one + "a/", one + "b/", two + "c/", one + "b/x/"}));
    // A refused folder leaves the list once for each time it is met, first occurrence first.
    files.deniedFolders << tree.at("two");
    EXPECT_EQ(scan({two, one, two}), (QStringList{one, one + "a/", one + "b/", one + "b/x/"}));
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
    tree.make({deep.mid(base.size()) + "last/below/"});
    const QString last = deep + QStringLiteral("last/");
    ASSERT_LT(last.size(), kMaxPathChars + 5);
    ASSERT_GE(last.size(), kMaxPathChars);

    const QStringList folders = scan({base});
    EXPECT_EQ(folders.last(), last);
    EXPECT_FALSE(folders.contains(last + QStringLiteral("below/")));

    files.subfolderAnswers[tree.root()] = {{QString(kMaxPathChars, u'n'), "123456789"}, 0};
    EXPECT_EQ(scan({base}).mid(0, 3),
              (QStringList{base, base + "123456789/", base + "123456789/123456789/"}));
}

TEST(BrowseForFolder, ReturnsTheChosenFolderWithoutTrailingSeparatorButTheRootAsIs)
{
    ScriptedDialogs dialogs;
    dialogs.folderAnswers = {QStringLiteral("/music/"), QStringLiteral("/"), QString()};
    const QString title = QStringLiteral("Please select folder:");
    EXPECT_EQ(BrowseForFolder(dialogs, title, QStringLiteral("/start")), QStringLiteral("/music"));
    EXPECT_EQ(BrowseForFolder(dialogs, title, QString()), QStringLiteral("/"));
    EXPECT_EQ(BrowseForFolder(dialogs, title, QStringLiteral("/no such folder")), QString());
    EXPECT_EQ(dialogs.folderBrowserStarts, (QStringList{"/start", "", "/no such folder"}));
    EXPECT_EQ(dialogs.folderBrowserTitles, QStringList(3, title));
}

} // namespace
} // namespace brindlecast::test
