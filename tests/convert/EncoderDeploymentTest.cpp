#include "convert/EncoderDeployment.h"

#include "platform/Failure.h"
#include "platform/ProcessorInfo.h"
#include "platform/QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

mode_t modeOf(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

struct WidthCase {
    const char* machine;
    const char* flags;
    const char* width;
};

class AddressWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(AddressWidthTest, FromMachineNameAndFlags)
{
    const WidthCase c = GetParam();
    EXPECT_EQ(addressWidthFor(QString::fromLatin1(c.machine), QString::fromLatin1(c.flags)),
              QString::fromLatin1(c.width));
}

INSTANTIATE_TEST_SUITE_P(
    Machines, AddressWidthTest,
    ::testing::Values(WidthCase{"x86_64", "fpu lm sse", "64"}, WidthCase{"aarch64", "", "64"},
                      WidthCase{"ppc64le", "", "64"}, WidthCase{"riscv64", "", "64"},
                      WidthCase{"i686", "fpu lm sse2", "64"}, // 32-bit kernel, 64-bit processor
                      WidthCase{"i686", "fpu sse2", "32"}, WidthCase{"armv7l", "neon", "32"},
                      WidthCase{"", "", ""}, WidthCase{"mystery", "", ""}));

TEST(AddressWidth, ThisProcessorAndTheBuildChosenForIt)
{
    EXPECT_EQ(processorAddressWidth(), QStringLiteral("64")); // the test machines are 64-bit
    EXPECT_EQ(encoderBuildFor(QStringLiteral("64")), 102);
    EXPECT_EQ(encoderBuildFor(QStringLiteral("32")), 101);
    EXPECT_EQ(encoderBuildFor(QString()), 101);
    EXPECT_EQ(encoderBuildFor(QStringLiteral(" 64")), 101);
}

TEST(TemporaryFolder, TempWhenSetElseThePlatformFolder)
{
    const QByteArray savedTemp = qgetenv("TEMP");
    const bool hadTemp = qEnvironmentVariableIsSet("TEMP");
    const QByteArray savedTmpDir = qgetenv("TMPDIR");
    const bool hadTmpDir = qEnvironmentVariableIsSet("TMPDIR");
    QTemporaryDir platformTemp;
    qputenv("TMPDIR", QFile::encodeName(platformTemp.path()));
    QtPlatform platform;

    qputenv("TEMP", "/some/where");
    EXPECT_EQ(platform.temporaryFolder(), QStringLiteral("/some/where"));
    qunsetenv("TEMP");
    EXPECT_EQ(platform.temporaryFolder(), platformTemp.path());
    qputenv("TEMP", "");
    EXPECT_EQ(platform.temporaryFolder(), platformTemp.path());

    hadTemp ? qputenv("TEMP", savedTemp) : qunsetenv("TEMP");
    hadTmpDir ? qputenv("TMPDIR", savedTmpDir) : qunsetenv("TMPDIR");
}

class DeploymentTest : public ::testing::Test {
protected:
    QTemporaryDir m_temp;
    QString path(const QString& name) const { return m_temp.filePath(name); }
};

TEST_F(DeploymentTest, WriteBytesToFileNeverReplacesOrFollowsALink)
{
    const QString target = path(QStringLiteral("target"));
    WriteBytesToFile("first", target);
    WriteBytesToFile("second", target);
    EXPECT_EQ(contentOf(target), QByteArray("first"));
    EXPECT_EQ(modeOf(target), mode_t(0600));

    // A dangling link planted at the path must not make the write land at its target.
    const QString aimedAt = path(QStringLiteral("aimed-at"));
    const QString link = path(QStringLiteral("link"));
    ASSERT_EQ(
        ::symlink(QFile::encodeName(aimedAt).constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_THROW(WriteBytesToFile("payload", link), Failure);
    EXPECT_FALSE(QFile::exists(aimedAt));

    EXPECT_THROW(WriteBytesToFile("x", path(QStringLiteral("no/such/folder/file"))), Failure);
}

TEST_F(DeploymentTest, EncoderGoesIntoAPrivateFolderAndLeavesNothing)
{
    deployEncoder("#!/bin/sh\n", m_temp.path());
    const QString folder = encoderFolder(m_temp.path());
    EXPECT_EQ(folder,
              m_temp.path() + QStringLiteral("/brindlecast-") + QString::number(::geteuid()));
    EXPECT_EQ(modeOf(folder), mode_t(0700));
    EXPECT_EQ(modeOf(encoderPath(m_temp.path())), mode_t(0700));
    EXPECT_TRUE(isTrustedEncoder(m_temp.path()));

    removeDeployedEncoder(m_temp.path());
    EXPECT_TRUE(QDir(m_temp.path()).isEmpty());
    removeDeployedEncoder(m_temp.path()); // nothing there: quiet
}

TEST_F(DeploymentTest, OwnFileIsUsedUnchangedAndAWritableOneIsReplaced)
{
    deployEncoder("old build", m_temp.path());
    deployEncoder("new build", m_temp.path());
    EXPECT_EQ(contentOf(encoderPath(m_temp.path())), QByteArray("old build"));

    ASSERT_EQ(::chmod(QFile::encodeName(encoderPath(m_temp.path())).constData(), 0777), 0);
    EXPECT_FALSE(isTrustedEncoder(m_temp.path()));
    deployEncoder("new build", m_temp.path());
    EXPECT_EQ(contentOf(encoderPath(m_temp.path())), QByteArray("new build"));
    EXPECT_TRUE(isTrustedEncoder(m_temp.path()));

    // Our own folder opened up (by hand, say) is closed again.
    ASSERT_EQ(::chmod(QFile::encodeName(encoderFolder(m_temp.path())).constData(), 0777), 0);
    EXPECT_FALSE(isTrustedEncoder(m_temp.path()));
    deployEncoder("build", m_temp.path());
    EXPECT_EQ(modeOf(encoderFolder(m_temp.path())), mode_t(0700));
    EXPECT_TRUE(isTrustedEncoder(m_temp.path()));
}

TEST_F(DeploymentTest, FolderOpenToOthersWithoutStickyBitIsRefused)
{
    const QString shared = path(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
    EXPECT_THROW(deployEncoder("build", shared), Failure);
    EXPECT_TRUE(QDir(shared).isEmpty());

    // With the sticky bit, as /tmp has it, nobody can move our folder away.
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    EXPECT_NO_THROW(deployEncoder("build", shared));
    EXPECT_TRUE(isTrustedEncoder(shared));
}

TEST_F(DeploymentTest, LinkOrFolderOfAnotherUserInTheEncodersPlaceIsRefused)
{
    // A link named like our folder, pointing at a folder someone prepared.
    const QString prepared = path(QStringLiteral("prepared"));
    ASSERT_TRUE(QDir().mkpath(prepared));
    ASSERT_EQ(::symlink(QFile::encodeName(prepared).constData(),
                        QFile::encodeName(encoderFolder(m_temp.path())).constData()),
              0);
    EXPECT_THROW(deployEncoder("build", m_temp.path()), Failure);
    EXPECT_TRUE(QDir(prepared).isEmpty());
    EXPECT_FALSE(isTrustedEncoder(m_temp.path()));

    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a folder to another user needs root";
    ASSERT_TRUE(QFile::remove(encoderFolder(m_temp.path())));
    ASSERT_TRUE(QDir().mkpath(encoderFolder(m_temp.path())));
    ASSERT_EQ(::chown(QFile::encodeName(encoderFolder(m_temp.path())).constData(), 4242, 4242), 0);
    EXPECT_THROW(deployEncoder("build", m_temp.path()), Failure);
    EXPECT_FALSE(isTrustedEncoder(m_temp.path()));
}

} // namespace

} // namespace brindlecast::test
