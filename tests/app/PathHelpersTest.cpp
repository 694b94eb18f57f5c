#include "app/PathHelpers.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>

namespace brindlecast {
namespace {

// One row: a text helper, the separator it works with, its input and the expected result.
struct TextCase {
    const char* helper;
    char separator;
    const char* input;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c)
{
    return out << c.helper << "(\"" << c.input << "\")";
}

QString apply(const TextCase& c)
{
    const QString input = QString::fromUtf8(c.input);
    const QChar separator(c.separator);
    const std::string helper = c.helper;
    if (helper == "FolderOfPath")
        return FolderOfPath(input, separator);
    if (helper == "FileNameOfPath")
        return FileNameOfPath(input, separator);
    if (helper == "StripExtension")
        return StripExtension(input);
    return CollapseBackslashes(input, separator);
}

class TextHelpers : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextHelpers, GiveTheExpectedText)
{
    EXPECT_EQ(apply(GetParam()), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Splitting, TextHelpers,
    ::testing::Values(TextCase{"FolderOfPath", '\\', R"(C:\Music\a.wav)", R"(C:\Music\)"},
                      TextCase{"FolderOfPath", '\\', "a.wav", ""},
                      TextCase{"FolderOfPath", '/', "/home/u/Take 1.wav", "/home/u/"},
                      TextCase{"FolderOfPath", '/', "/a.wav", "/"},
                      TextCase{"FileNameOfPath", '\\', R"(C:\Music\a.wav)", "a.wav"},
                      TextCase{"FileNameOfPath", '\\', R"(C:\Music\)", ""},
                      TextCase{"FileNameOfPath", '/', "a.wav", "a.wav"},
                      TextCase{"FileNameOfPath", '/', "/m/ü\nb.wav", "ü\nb.wav"},
                      TextCase{"StripExtension", '/', "a.b.wav", "a.b"},
                      TextCase{"StripExtension", '/', ".wav", ".wav"},
                      TextCase{"StripExtension", '/', "song", "song"},
                      TextCase{"StripExtension", '/', "archive.tar.gz", "archive.tar"},
                      TextCase{"StripExtension", '/', "", ""}));

INSTANTIATE_TEST_SUITE_P(
    Collapsing, TextHelpers,
    ::testing::Values(TextCase{"Collapse", '\\', R"(C:\out\\b.aac)", R"(C:\out\b.aac)"},
                      TextCase{"Collapse", '\\', R"(\\srv\share\\b.aac)", R"(\\srv\share\b.aac)"},
                      TextCase{"Collapse", '\\', R"(\x\y)", R"(\\x\y)"},
                      TextCase{"Collapse", '\\', R"(\\\\\x)", R"(\\x)"},
                      TextCase{"Collapse", '\\', R"(C:\a\\\b)", R"(C:\a\\b)"},
                      TextCase{"Collapse", '\\', R"(C:\a\\\\b)", R"(C:\a\\b)"},
                      TextCase{"Collapse", '\\', "", ""},
                      TextCase{"Collapse", '/', "/out//b.aac", "/out/b.aac"},
                      TextCase{"Collapse", '/', "////x//y", "/x/y"},
                      TextCase{"Collapse", '/', "/a///b", "/a//b"},
                      TextCase{"Collapse", '/', "/a\\\\b", "/a\\\\b"}));

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

TEST_F(FileSystemHelpers, ExistenceTestsNeverFailOrBlock)
{
    const QString file = makeFile(QStringLiteral("a \"quoted\" -name.wav"));
    const QString fifo = m_dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(fifo));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists(m_dir.filePath(QStringLiteral("missing.wav"))));
    EXPECT_TRUE(FolderExists(m_dir.path()));
    EXPECT_TRUE(FolderExists(QStringLiteral("/")));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_FALSE(FolderExists(fifo));
    EXPECT_FALSE(FolderExists(QString()));
}

TEST_F(FileSystemHelpers, DeleteFileQuietlyRemovesOnlyTheNamedFile)
{
    const QString readOnly = makeFile(QStringLiteral("read-only.aac"));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner));
    const QString folder = m_dir.filePath(QStringLiteral("sub.aac"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString target = makeFile(QStringLiteral("target.wav"));
    const QString link = m_dir.filePath(QStringLiteral("link.aac"));
    ASSERT_TRUE(QFile::link(target, link));

    for (const QString& path :
         {readOnly, folder, link, m_dir.filePath(QStringLiteral("missing")), QString()})
        EXPECT_NO_THROW(DeleteFileQuietly(path));

    EXPECT_FALSE(FileExists(readOnly));
    EXPECT_TRUE(FolderExists(folder));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(FileExists(target));
}

} // namespace
} // namespace brindlecast
