// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EncoderDeployment.h"

#include "core/Failure.h"
#include "platform/QtPlatform.h"
#include "support/EnvironmentGuard.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
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
// there must never be run, and no name they take may stop a run.
TEST(EncoderDeployment, EachRunGetsAFreshFolderOnlyThisUserCanChange)
{
    QTemporaryDir temp;
    // What the encoder folder was once called, taken beforehand by a file and a dangling link.
    const QString fixedName = temp.filePath(QStringLiteral("brindlecast-%1").arg(::geteuid()));
    ASSERT_TRUE(QFile(fixedName).open(QIODevice::WriteOnly));
    ASSERT_EQ(::symlink("/nowhere", QFile::encodeName(fixedName + QStringLiteral("x")).constData()),
              0);

    const QString first = createEncoderFolder(temp.path());
    const QString second = createEncoderFolder(temp.path());
    EXPECT_NE(first, second);
    EXPECT_NE(first, fixedName);
    EXPECT_EQ(QFileInfo(first).path(), temp.path());
    EXPECT_EQ(modeOf(first), mode_t(S_IFDIR | 0700));
    deployEncoder("build", first);
    EXPECT_EQ(contentOf(encoderPathIn(first)), QByteArray("build"));
    EXPECT_EQ(modeOf(encoderPathIn(first)), mode_t(S_IFREG | 0700));
    EXPECT_TRUE(isTrustedEncoder(first));
    EXPECT_FALSE(isTrustedEncoder(second)); // nothing in it yet

    // A file others could have written, or a folder they could enter, is not trusted.
    ASSERT_EQ(::chmod(QFile::encodeName(encoderPathIn(first)).constData(), 0777), 0);
    EXPECT_FALSE(isTrustedEncoder(first));
    ASSERT_EQ(::chmod(QFile::encodeName(encoderPathIn(first)).constData(), 0700), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(first).constData(), 0755), 0);
    EXPECT_FALSE(isTrustedEncoder(first));

    removeEncoderFolder(first);
    removeEncoderFolder(second);
    EXPECT_EQ(
        QDir(temp.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
        (QStringList{QFileInfo(fixedName).fileName(), QFileInfo(fixedName).fileName() + u'x'}));
}

TEST(EncoderDeployment, NoFolderWhereTheTemporaryFolderIsUnsafeAndNoFileFromNoBytes)
{
    QTemporaryDir temp;
    // A folder open to all without the sticky bit lets others swap our folder.
    const QString shared = temp.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(shared));
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
    EXPECT_THROW(createEncoderFolder(shared), Failure);
    EXPECT_TRUE(QDir(shared).isEmpty());
    try {
        createEncoderFolder(temp.filePath(QStringLiteral("missing")));
        ADD_FAILURE() << "a missing temporary folder was used";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.description(),
                  QStringLiteral("The temporary folder %1 does not exist; set TEMP to an existing "
                                 "folder")
                      .arg(temp.filePath(QStringLiteral("missing"))));
    }

    const QString folder = createEncoderFolder(temp.path());
    EXPECT_THROW(deployEncoder(QByteArray(), folder), Failure);
    EXPECT_TRUE(QDir(folder).isEmpty());
    removeEncoderFolder(folder);
}

std::optional<QString> refusalOf(const QString& temporaryFolder)
{
    try {
        removeEncoderFolder(createEncoderFolder(temporaryFolder));
    } catch (const Failure& failure) {
        return failure.description();
    }
    return std::nullopt;
}

// Its owner can swap what is in it, however closed it is to everybody else.
TEST(EncoderDeployment, ATemporaryFolderOfAnotherUserIsSaidToBeTheirs)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a folder to another user needs root";
    QTemporaryDir temp;
    const QString theirs = temp.filePath(QStringLiteral("theirs"));
    ASSERT_TRUE(QDir().mkpath(theirs));
    ASSERT_EQ(::chmod(QFile::encodeName(theirs).constData(), 0700), 0);
    ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), 4242, 4242), 0);
    EXPECT_EQ(refusalOf(theirs),
              QStringLiteral("The temporary folder %1 is owned by another user; the encoder is "
                             "not put there")
                  .arg(theirs));
    EXPECT_TRUE(QDir(theirs).isEmpty());
}

TEST(EncoderDeployment, ATemporaryFolderNamedInBytesThatAreNoUtf8IsSaidToBe)
{
    QTemporaryDir temp;
    const QByteArray name = QFile::encodeName(temp.path()) + "/caf\xe9";
    ASSERT_EQ(::mkdir(name.constData(), 0700), 0);
    EnvironmentGuard guard("TEMP", name);
    const QString folder = QtPlatform().temporaryFolder();
    const std::optional<QString> refusal = refusalOf(folder);
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->contains(QStringLiteral("is not valid UTF-8; set TEMP to another folder")))
        << refusal->toStdString();
    // No QString names it, so QTemporaryDir could not remove it.
    EXPECT_EQ(::rmdir(name.constData()), 0);
}

} // namespace

} // namespace brindlecast::test
