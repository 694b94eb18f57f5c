// SPDX-License-Identifier: GPL-3.0-or-later
// Where the temporary folder forbids running programs, the installed encoder itself is run, but
// only when nobody but the administrator can have written it or any name on the way to it.
#include "core/Failure.h"
#include "platform/EncoderStore.h"
#include "platform/PosixEncoderFolders.h"
#include "platform/SystemProgramTrust.h"
#include "support/TmpfsMount.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

TEST(SystemProgramTrust, OnlyWhatNoOtherUserCanChange)
{
    const QString installed = installedEncoderPath();
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_TRUE(isTrustedSystemProgram(installed));
    EXPECT_TRUE(isTrustedSystemProgram(QStringLiteral("/usr/bin/../bin/ffmpeg")));
    EXPECT_TRUE(isTrustedSystemProgram(QStringLiteral("/bin/sh"))); // through /bin, a link
    EXPECT_FALSE(isTrustedSystemProgram(installed.mid(1)));         // relative
    EXPECT_FALSE(isTrustedSystemProgram(QStringLiteral("/usr/bin")));
    EXPECT_FALSE(isTrustedSystemProgram(QStringLiteral("/usr/bin/not-there")));

    // Below a folder that everybody may write to, whoever owns the file or link.
    QTemporaryDir shared;
    const QString copy = shared.filePath(QStringLiteral("ffmpeg"));
    ASSERT_TRUE(QFile::copy(installed, copy));
    EXPECT_FALSE(isTrustedSystemProgram(copy));
    const QString link = shared.filePath(QStringLiteral("link"));
    ASSERT_EQ(::symlink(nativeName(installed).constData(), nativeName(link).constData()), 0);
    EXPECT_FALSE(isTrustedSystemProgram(link));
}

// A folder chain of root's alone, then one step in it opened to others.
TEST(SystemProgramTrust, AnyStepWritableByOthersIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "files of root's need root";
    QTemporaryDir root(QCoreApplication::applicationDirPath() + QStringLiteral("/trust-XXXXXX"));
    ASSERT_TRUE(root.isValid());
    ASSERT_EQ(::chmod(nativeName(root.path()).constData(), 0755), 0);
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("bin")));
    const QString program = root.filePath(QStringLiteral("bin/ffmpeg"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/true"), program));
    ASSERT_EQ(::chmod(nativeName(program).constData(), 0755), 0);
    if (!isTrustedSystemProgram(program))
        GTEST_SKIP() << "the build folder is not root's alone";

    ASSERT_EQ(::chmod(nativeName(program).constData(), 0775), 0);
    EXPECT_FALSE(isTrustedSystemProgram(program));
    ASSERT_EQ(::chmod(nativeName(program).constData(), 0755), 0);
    ASSERT_EQ(::chmod(nativeName(root.filePath(QStringLiteral("bin"))).constData(), 0757), 0);
    EXPECT_FALSE(isTrustedSystemProgram(program));
    ASSERT_EQ(::chmod(nativeName(root.filePath(QStringLiteral("bin"))).constData(), 0755), 0);
    ASSERT_EQ(::chown(nativeName(program).constData(), 4242, 0), 0);
    EXPECT_FALSE(isTrustedSystemProgram(program));
}

class NoexecTemporaryFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_noexec = m_temp.filePath(QStringLiteral("noexec"));
        ASSERT_TRUE(QDir().mkpath(m_noexec));
        m_mount = std::make_unique<TmpfsMount>(m_noexec, "size=64k,mode=0700", MS_NOEXEC);
        if (!m_mount->mounted())
            GTEST_SKIP() << "mounting a noexec folder is not permitted here";
    }

    QTemporaryDir m_temp;
    QString m_noexec;
    std::unique_ptr<TmpfsMount> m_mount;
};

TEST_F(NoexecTemporaryFolder, RunsTheTrustedInstalledEncoderInstead)
{
    PosixEncoderFolders folders;
    const QString folder = folders.createFolder(m_noexec);
    const QString program = folders.deploy("encoder bytes", folder);
    EXPECT_EQ(program, installedEncoderPath());
    EXPECT_TRUE(folders.isTrusted(program));
    EXPECT_TRUE(QDir(folder).isEmpty());
    folders.removeFolder(folder);
    EXPECT_TRUE(QDir(m_noexec).isEmpty());
}

TEST_F(NoexecTemporaryFolder, SaysWhyWhenTheInstalledEncoderIsNotTrustworthy)
{
    // In a folder that others may read, below one that everybody may write to.
    const QString copy = m_temp.filePath(QStringLiteral("ffmpeg"));
    ASSERT_TRUE(QFile::copy(installedEncoderPath(), copy));
    ASSERT_EQ(::chmod(nativeName(m_temp.path()).constData(), 0755), 0);
    for (const QString& installed : {copy, QString()}) {
        PosixEncoderFolders folders([&] { return installed; });
        const QString folder = folders.createFolder(m_noexec);
        try {
            folders.deploy("encoder bytes", folder);
            ADD_FAILURE() << "an encoder was offered from " << installed.toStdString();
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.description(),
                      QStringLiteral("The temporary folder %1 does not allow running programs; "
                                     "set TEMP to another folder")
                          .arg(m_noexec));
        }
        EXPECT_FALSE(folders.isTrusted(copy));
        folders.removeFolder(folder);
    }
    EXPECT_TRUE(QDir(m_noexec).isEmpty());
}

} // namespace
} // namespace brindlecast::test
