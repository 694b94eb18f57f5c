#include "platform/PosixFileSystem.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

TEST_F(PosixFolders, ListingsAreSortedIgnoringCaseAndHoldOnlyTheirKind)
{
    const FolderListing folders = m_files.subfolders(m_dir.path() + u'/');
    EXPECT_EQ(folders.names,
              (QStringList{u".dot"_s, u"Alpha"_s, u"beta"_s, u"folder link"_s, u"gamma"_s}));
    EXPECT_EQ(folders.error, 0);

    const FolderListing wavs = m_files.matchingFiles(m_dir.path(), QStringLiteral("*.wav"));
    EXPECT_EQ(wavs.names, (QStringList{u".hidden.wav"_s, u".kept.wav"_s, u"A.WAV"_s, u"b.wav"_s,
                                       u"file link.wav"_s}));
    EXPECT_EQ(m_files.matchingFiles(m_dir.path(), QStringLiteral("*.*")).names.size(), 6);
    EXPECT_FALSE(m_files.isAccessibleFile(at("fifo.wav")));

    EXPECT_EQ(m_files.subfolders(at("missing")).error, 76);
    EXPECT_EQ(m_files.matchingFiles(at("b.wav"), QStringLiteral("*.*")).error, 76);
    if (::geteuid() != 0) {
        ::chmod(QFile::encodeName(at("beta")).constData(), 0);
        EXPECT_EQ(m_files.subfolders(at("beta")).error, 70);
        ::chmod(QFile::encodeName(at("beta")).constData(), 0700);
    }
}

} // namespace
} // namespace brindlecast::test
