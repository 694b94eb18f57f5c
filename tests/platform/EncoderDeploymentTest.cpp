#include "platform/EncoderDeployment.h"

#include "core/Failure.h"
#include "platform/QtPlatform.h"
#include "support/EnvironmentGuard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
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

TEST(TemporaryFolder, TempWhenSetElseThePlatformFolder)
{
    EnvironmentGuard temp("TEMP", "/some/where");
    QtPlatform platform;
    EXPECT_EQ(platform.temporaryFolder(), QStringLiteral("/some/where"));
    temp.set("");
    EXPECT_EQ(platform.temporaryFolder(), QDir::tempPath());
    temp.unset();
    EXPECT_EQ(platform.temporaryFolder(), QDir::tempPath());
}

// Another user of the machine may prepare the shared temporary folder; whatever they leave
// there must never be run.
TEST(EncoderDeployment, OnlyAPrivateUntouchedEncoderIsTrusted)
{
    QTemporaryDir temp;
    const QString encoder = encoderPath(temp.path());
    deployEncoder("old build", temp.path());
    EXPECT_EQ(modeOf(encoderFolder(temp.path())), mode_t(0700));
    EXPECT_EQ(modeOf(encoder), mode_t(0700));
    EXPECT_TRUE(isTrustedEncoder(temp.path()));

    // A file others could have written is replaced.
    ASSERT_EQ(::chmod(QFile::encodeName(encoder).constData(), 0777), 0);
    EXPECT_FALSE(isTrustedEncoder(temp.path()));
    deployEncoder("new build", temp.path());
    EXPECT_EQ(contentOf(encoder), QByteArray("new build"));
    EXPECT_TRUE(isTrustedEncoder(temp.path()));
    removeDeployedEncoder(temp.path());
    EXPECT_TRUE(QDir(temp.path()).isEmpty());

    // A link named like our folder, pointing at a folder someone prepared.
    const QString prepared = temp.filePath(QStringLiteral("prepared"));
    ASSERT_TRUE(QDir().mkpath(prepared));
    ASSERT_EQ(::symlink(QFile::encodeName(prepared).constData(),
                        QFile::encodeName(encoderFolder(temp.path())).constData()),
              0);
    EXPECT_THROW(deployEncoder("build", temp.path()), Failure);
    EXPECT_TRUE(QDir(prepared).isEmpty());
    EXPECT_FALSE(isTrustedEncoder(temp.path()));

    // A folder open to all without the sticky bit lets others swap our folder.
    const QString shared = temp.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
    EXPECT_THROW(deployEncoder("build", shared), Failure);
    EXPECT_TRUE(QDir(shared).isEmpty());
}

} // namespace

} // namespace brindlecast::test
