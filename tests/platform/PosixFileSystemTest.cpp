// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PosixFileSystem.h"

#include "core/Failure.h"
#include "support/ByteNamedEntries.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

class PosixFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder : {"beta", "Alpha", ".dot", "gamma"})
            QDir(m_dir.path()).mkdir(QString::fromLatin1(folder));
        for (const char* file : {"b.wav", "A.WAV", ".hidden.wav", ".kept.wav", "c.txt"}) {
            QFile created(at(file));
            ASSERT_TRUE(created.open(QIODevice::WriteOnly));
        }
        ::chmod(QFile::encodeName(at(".kept.wav")).constData(), 0444);
        ASSERT_TRUE(QFile::link(at("gamma"), at("folder link")));
        ASSERT_TRUE(QFile::link(at("b.wav"), at("file link.wav")));
        ASSERT_TRUE(QFile::link(at("nowhere"), at("dangling.wav")));
        ASSERT_EQ(::mkfifo(QFile::encodeName(at("fifo.wav")).constData(), 0600), 0);
    }

    QString at(const char* name) const { return m_dir.path() + u'/' + QString::fromLatin1(name); }

    QTemporaryDir m_dir;
    PosixFileSystem m_files;
};

TEST_F(PosixFolders, AttributeWordsOfTheEntryItself)
{
    EXPECT_EQ(m_files.attributes(at("b.wav")), 32);
    EXPECT_EQ(m_files.attributes(at(".hidden.wav")), 34);
    EXPECT_EQ(m_files.attributes(at(".kept.wav")), 35);
    EXPECT_EQ(m_files.attributes(at("beta")), 16);
    EXPECT_EQ(m_files.attributes(at("beta/")), 16);
    EXPECT_EQ(m_files.attributes(at(".dot/")), 18);
    // A folder path's trailing separator must not lead through the link.
    EXPECT_EQ(m_files.attributes(at("folder link")), 1040);
    EXPECT_EQ(m_files.attributes(at("folder link/")), 1040);
    EXPECT_EQ(m_files.attributes(at("file link.wav")), 1056);
    EXPECT_EQ(m_files.attributes(QStringLiteral("/")) & 16, 16);
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

QStringList subfolderNames(const FolderContents& contents)
{
    QStringList names;
    for (const SubfolderEntry& entry : contents.subfolders)
        names << entry.name;
    return sorted(names);
}

QStringList fileNames(const FolderContents& contents)
{
    QStringList names;
    for (const FileEntry& entry : contents.files)
        names << entry.name;
    return sorted(names);
}

FolderIdentity identityAt(const QString& path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

TEST_F(PosixFolders, AFolderIsReadThroughOneHandleAndHoldsEachKindApart)
{
    int entries = 0;
    const FolderContents all = m_files.readFolder(m_dir.path() + u'/', QStringLiteral("*.wav"),
                                                  std::nullopt, [&] { ++entries; });
    EXPECT_EQ(all.error, 0);
    EXPECT_GE(entries, 13); // and perhaps "." and ".."
    EXPECT_EQ(all.identity, identityAt(m_dir.path()));
    EXPECT_EQ(subfolderNames(all),
              (QStringList{u".dot"_s, u"Alpha"_s, u"beta"_s, u"folder link"_s, u"gamma"_s}));
    EXPECT_EQ(fileNames(all), (QStringList{u".hidden.wav"_s, u".kept.wav"_s, u"A.WAV"_s, u"b.wav"_s,
                                           u"file link.wav"_s}));
    for (const SubfolderEntry& entry : all.subfolders) {
        EXPECT_EQ(entry.isLink, entry.name == u"folder link");
        EXPECT_EQ(entry.identity, identityAt(at(qPrintable(entry.name))));
    }
    for (const FileEntry& entry : all.files) {
        EXPECT_EQ(entry.attributes, m_files.attributes(at(qPrintable(entry.name))));
        EXPECT_TRUE(entry.accessible || ::geteuid() != 0);
    }
    EXPECT_EQ(
        m_files.readFolder(m_dir.path(), QStringLiteral("*.*"), std::nullopt, {}).files.size(), 6);
    EXPECT_FALSE(m_files.isAccessibleFile(at("fifo.wav")));

    EXPECT_EQ(m_files.readFolder(at("missing"), QStringLiteral("*.*"), std::nullopt, {}).error, 76);
    EXPECT_EQ(m_files.readFolder(at("b.wav"), QStringLiteral("*.*"), std::nullopt, {}).error, 76);
    if (::geteuid() != 0) {
        ::chmod(QFile::encodeName(at("beta")).constData(), 0);
        EXPECT_EQ(m_files.readFolder(at("beta"), QStringLiteral("*.*"), std::nullopt, {}).error,
                  70);
        ::chmod(QFile::encodeName(at("beta")).constData(), 0700);
    }
}

// A folder met as a folder is not read through a link swapped into its place, and a folder that
// is not the one its parent showed reads as missing.
TEST_F(PosixFolders, ALeadIsFollowedOnlyToTheFolderItNames)
{
    const QString pattern = QStringLiteral("*.*");
    const FolderLead gamma{identityAt(at("gamma")), false};
    EXPECT_EQ(m_files.readFolder(at("gamma"), pattern, gamma, {}).error, 0);
    EXPECT_EQ(m_files.readFolder(at("folder link"), pattern, gamma, {}).error, 76);
    EXPECT_EQ(
        m_files.readFolder(at("folder link"), pattern, FolderLead{gamma.identity, true}, {}).error,
        0);
    EXPECT_EQ(m_files.readFolder(at("beta"), pattern, gamma, {}).error, 76);
    EXPECT_EQ(m_files.readFolder(at("folder link"), pattern, std::nullopt, {}).error, 0);
}

// Names whose bytes are not UTF-8 are counted, never listed under a text that names another
// file; a folder named by the replacement character itself is an ordinary folder.
TEST_F(PosixFolders, NamesThatAreNotUtf8AreCountedNotListed)
{
    const QByteArray base = QFile::encodeName(m_dir.path()) + '/';
    ByteNamedEntries made;
    ASSERT_TRUE(made.folder(base + "\xff"));
    ASSERT_TRUE(made.folder(base + "\xef\xbf\xbd"));
    ASSERT_TRUE(made.file(base + "bad\xff.wav"));
    ASSERT_TRUE(made.file(base + "bad\xfe.txt"));

    const FolderContents wavs =
        m_files.readFolder(m_dir.path(), QStringLiteral("*.wav"), std::nullopt, {});
    EXPECT_EQ(wavs.undecodableNames, 2); // the folder "\xff" and "bad\xff.wav"
    EXPECT_TRUE(subfolderNames(wavs).contains(QStringLiteral("\ufffd")));
    EXPECT_FALSE(fileNames(wavs).join(u'|').contains(u'\ufffd'));
    EXPECT_EQ(
        m_files.readFolder(m_dir.path(), QStringLiteral("*.*"), std::nullopt, {}).undecodableNames,
        3);
}

TEST_F(PosixFolders, APathHoldingANulNamesNothing)
{
    const QString cut = at("b.wav") + QChar(0) + QStringLiteral("/x.wav");
    EXPECT_FALSE(m_files.isPresent(cut));
    EXPECT_FALSE(m_files.exists(cut));
    EXPECT_FALSE(m_files.isAccessibleFile(cut));
    EXPECT_FALSE(m_files.isFolder(m_dir.path() + QChar(0)));
    EXPECT_EQ(
        m_files.readFolder(m_dir.path() + QChar(0) + u'/', QStringLiteral("*.*"), std::nullopt, {})
            .error,
        76);
    EXPECT_THROW(m_files.attributes(cut), Failure);
}

// A refusal is told by its error number's text, any other failure in the system's words: also
// one whose errno equals a refusal's number, as ECOMM and ENOTUNIQ do on Linux.
TEST(ListingFailures, AreToldInTheSystemsWordsUnlessRefused)
{
    static_assert(ECOMM == 70 && ENOTUNIQ == 76);
    const Failure denied = listingFailure(70, 0);
    EXPECT_EQ(denied.description(), QStringLiteral("Permission denied"));
    EXPECT_EQ(denied.number(), 70);
    EXPECT_EQ(listingFailure(76, 0).description(), QStringLiteral("Path not found"));
    for (const int error : {ECOMM, ENOTUNIQ, EIO}) {
        const Failure failure = listingFailure(0, error);
        EXPECT_EQ(failure.description(), QString::fromLocal8Bit(std::strerror(error))) << error;
        EXPECT_EQ(failure.number(), error);
    }
    EXPECT_NE(listingFailure(0, ECOMM).description(), denied.description());
}

} // namespace
} // namespace brindlecast::test
