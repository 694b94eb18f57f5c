// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a file can be made in a folder, asked before an encode so the reason names the folder.
#include "platform/PosixFileSystem.h"
#include "support/TmpfsMount.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

TEST(WriteRefusal, NamesWhyAFolderTakesNoFile)
{
    QTemporaryDir temp;
    const PosixFileSystem fileSystem;
    EXPECT_EQ(fileSystem.writeRefusal(temp.path()), QString());
    EXPECT_EQ(fileSystem.writeRefusal(temp.filePath(QStringLiteral("missing"))),
              QStringLiteral("no such file or directory"));

    const QString locked = temp.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    // The administrator may write into any folder that is not on a read-only volume.
    EXPECT_EQ(fileSystem.writeRefusal(locked),
              ::geteuid() == 0 ? QString() : QStringLiteral("permission denied"));

    const QString readOnly = temp.filePath(QStringLiteral("read-only"));
    ASSERT_TRUE(QDir().mkpath(readOnly));
    const TmpfsMount mount(readOnly, "size=64k", MS_RDONLY);
    if (!mount.mounted())
        GTEST_SKIP() << "mounting a read-only folder is not permitted here";
    EXPECT_EQ(fileSystem.writeRefusal(readOnly), QStringLiteral("read-only file system"));
}

} // namespace
} // namespace brindlecast::test
