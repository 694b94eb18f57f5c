// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileOperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace brindlecast {
namespace {

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
