#include "app/PathHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>

namespace brindlecast {
namespace {

struct SplitCase {
    const char* path;
    char separator;
    const char* folder;
    const char* fileName;
};

std::ostream& operator<<(std::ostream& out, const SplitCase& c)
{
    return out << '"' << c.path << '"';
}

class PathSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(PathSplitting, FolderAndFileName)
{
    const SplitCase& c = GetParam();
    const QString path = QString::fromUtf8(c.path);
    EXPECT_EQ(FolderOfPath(path, QChar(c.separator)), QString::fromUtf8(c.folder));
    EXPECT_EQ(FileNameOfPath(path, QChar(c.separator)), QString::fromUtf8(c.fileName));
}

INSTANTIATE_TEST_SUITE_P(
    WindowsAndPosix, PathSplitting,
    ::testing::Values(SplitCase{R"(C:\Music\a.wav)", '\\', R"(C:\Music\)", "a.wav"},
                      SplitCase{"a.wav", '\\', "", "a.wav"},
                      SplitCase{R"(C:\Music\)", '\\', R"(C:\Music\)", ""},
                      SplitCase{"/home/u/Take 1.wav", '/', "/home/u/", "Take 1.wav"},
                      SplitCase{"/a.wav", '/', "/", "a.wav"}, SplitCase{"", '/', "", ""},
                      SplitCase{"/m/ü\nb.wav", '/', "/m/", "ü\nb.wav"}));

struct StripCase {
    const char* name;
    const char* stripped;
};

std::ostream& operator<<(std::ostream& out, const StripCase& c)
{
    return out << '"' << c.name << '"';
}

class ExtensionStripping : public ::testing::TestWithParam<StripCase> {};

TEST_P(ExtensionStripping, DropsTheLastExtensionOnly)
{
    EXPECT_EQ(StripExtension(QString::fromUtf8(GetParam().name)),
              QString::fromUtf8(GetParam().stripped));
}

INSTANTIATE_TEST_SUITE_P(Names, ExtensionStripping,
                         ::testing::Values(StripCase{"a.b.wav", "a.b"}, StripCase{".wav", ".wav"},
                                           StripCase{"song", "song"}, StripCase{"", ""},
                                           StripCase{"archive.tar.gz", "archive.tar"},
                                           StripCase{"x.", "x"}, StripCase{"-a.wav", "-a"}));

struct CollapseCase {
    const char* path;
    char separator;
    const char* collapsed;
};

std::ostream& operator<<(std::ostream& out, const CollapseCase& c)
{
    return out << '"' << c.path << '"';
}

class SeparatorCollapsing : public ::testing::TestWithParam<CollapseCase> {};

TEST_P(SeparatorCollapsing, OnePassOverPairs)
{
    const CollapseCase& c = GetParam();
    EXPECT_EQ(CollapseBackslashes(QString::fromUtf8(c.path), QChar(c.separator)),
              QString::fromUtf8(c.collapsed));
}

INSTANTIATE_TEST_SUITE_P(
    Backslash, SeparatorCollapsing,
    ::testing::Values(CollapseCase{R"(C:\out\\b.aac)", '\\', R"(C:\out\b.aac)"},
                      CollapseCase{R"(\\srv\share\\b.aac)", '\\', R"(\\srv\share\b.aac)"},
                      CollapseCase{R"(\x\y)", '\\', R"(\\x\y)"},
                      CollapseCase{R"(\\\\\x)", '\\', R"(\\x)"},
                      CollapseCase{R"(C:\a\\\b)", '\\', R"(C:\a\\b)"},
                      CollapseCase{R"(C:\a\\\\b)", '\\', R"(C:\a\\b)"},
                      CollapseCase{R"(D:\\a.wav)", '\\', R"(D:\a.wav)"},
                      CollapseCase{"", '\\', ""}));

INSTANTIATE_TEST_SUITE_P(Slash, SeparatorCollapsing,
                         ::testing::Values(CollapseCase{"/out//b.aac", '/', "/out/b.aac"},
                                           CollapseCase{"//srv/share", '/', "/srv/share"},
                                           CollapseCase{"////x//y", '/', "/x/y"},
                                           CollapseCase{"/a///b", '/', "/a//b"},
                                           CollapseCase{"rel//a.wav", '/', "rel/a.wav"},
                                           CollapseCase{"/a\\\\b", '/', "/a\\\\b"}));

class FileSystemHelpers : public ::testing::Test {
protected:
    QString makeFile(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("data");
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(FileSystemHelpers, ExistenceTests)
{
    const QString file = makeFile(QStringLiteral("a \"quoted\" -name.wav"));
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists(m_dir.filePath(QStringLiteral("missing.wav"))));

    EXPECT_TRUE(FolderExists(m_dir.path()));
    EXPECT_TRUE(FolderExists(QStringLiteral("/")));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_FALSE(FolderExists(QString()));
}

TEST_F(FileSystemHelpers, FifoCountsAsExistingWithoutBlocking)
{
    const QString fifo = m_dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_TRUE(FileExists(fifo));
    EXPECT_FALSE(FolderExists(fifo));
}

TEST_F(FileSystemHelpers, DeleteFileQuietlyRemovesReadOnlyFilesAndIgnoresMissingOnes)
{
    const QString readOnly = makeFile(QStringLiteral("read-only.aac"));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    DeleteFileQuietly(readOnly);
    EXPECT_FALSE(FileExists(readOnly));

    EXPECT_NO_THROW(DeleteFileQuietly(m_dir.filePath(QStringLiteral("missing.aac"))));
    EXPECT_NO_THROW(DeleteFileQuietly(QString()));
}

TEST_F(FileSystemHelpers, DeleteFileQuietlyNeverRemovesAFolder)
{
    const QString folder = m_dir.filePath(QStringLiteral("sub.aac"));
    ASSERT_TRUE(QDir().mkdir(folder));
    DeleteFileQuietly(folder);
    EXPECT_TRUE(FolderExists(folder));
}

TEST_F(FileSystemHelpers, DeleteFileQuietlyRemovesALinkNotItsTarget)
{
    const QString target = makeFile(QStringLiteral("target.wav"));
    const QString link = m_dir.filePath(QStringLiteral("link.aac"));
    ASSERT_TRUE(QFile::link(target, link));
    DeleteFileQuietly(link);
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(FileExists(target));
}

} // namespace
} // namespace brindlecast
