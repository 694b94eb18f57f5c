// SPDX-License-Identifier: GPL-3.0-or-later
// What a run cannot do is said by its own cause, in the program's own words or the encoder's.
#include "batch/CommandLineFixture.h"
#include "support/TmpfsMount.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

class HonestReason : public CommandLineFixture {
protected:
    // Puts first on PATH an "ffmpeg" of these bytes and mode.
    void useEncoderFile(const QByteArray& bytes, mode_t mode)
    {
        m_bin = m_temp.path() + QStringLiteral("-bin");
        ASSERT_TRUE(QDir().mkpath(m_bin));
        QFile file(m_bin + QStringLiteral("/ffmpeg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ASSERT_EQ(::chmod(QFile::encodeName(file.fileName()).constData(), mode), 0);
        m_path = m_bin + QStringLiteral(":/usr/bin:/bin");
    }

    // The one line said on standard error when the encoder cannot be put in place.
    QString placementFailure()
    {
        makeWav(QStringLiteral("a.wav"));
        const Result result = run({QStringLiteral("--convert"), QStringLiteral("a.wav")});
        EXPECT_EQ(result.status, 3) << result.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(workPath(QStringLiteral("a.aac"))));
        EXPECT_TRUE(temporaryEntries().isEmpty());
        return result.err;
    }

    QString encoderOnPath() const { return m_bin + QStringLiteral("/ffmpeg"); }
};

TEST_F(HonestReason, AnEmptyEncoderOnPathIsSaidToBeEmpty)
{
    useEncoderFile({}, 0755);
    EXPECT_EQ(placementFailure(),
              QStringLiteral("brindlecast-studio: the encoder cannot be put in place: The ffmpeg "
                             "encoder %1 is an empty file\n")
                  .arg(encoderOnPath()));
}

TEST_F(HonestReason, AnEncoderOnPathThatMayNotBeRunIsSaidToBeSo)
{
    useEncoderFile("#!/bin/sh\n", 0644);
    m_path = m_bin; // no other ffmpeg to be found behind it
    EXPECT_EQ(placementFailure(),
              QStringLiteral("brindlecast-studio: the encoder cannot be put in place: The ffmpeg "
                             "encoder %1 is not executable\n")
                  .arg(encoderOnPath()));
}

TEST_F(HonestReason, AnEncoderThatFailsAtOnceIsSaidNotToWork)
{
    useEncoderFile("#!/bin/sh\nexit 1\n", 0755);
    const QString said = placementFailure();
    EXPECT_TRUE(said.startsWith(
        QStringLiteral("brindlecast-studio: the encoder cannot be put in place: The encoder ")))
        << said.toStdString();
    EXPECT_TRUE(said.endsWith(QStringLiteral(
        " does not work: asked for its encoders, it ended with exit code 1 and no message\n")))
        << said.toStdString();
}

TEST_F(HonestReason, AnOutputFolderThatIsAFileIsNoFolder)
{
    makeWav(QStringLiteral("a.wav"));
    QFile file(workPath(QStringLiteral("notes")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const Result result = run({QStringLiteral("--convert"), QStringLiteral("--output-folder"),
                               QStringLiteral("notes"), QStringLiteral("a.wav")});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, QStringLiteral("brindlecast-studio: the output folder %1 is not a "
                                         "folder (see --help)\n")
                              .arg(workPath(QStringLiteral("notes"))));
}

TEST_F(HonestReason, ATemporaryFolderOfAnotherUserIsSaidToBeTheirs)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a folder to another user needs root";
    ASSERT_EQ(::chmod(QFile::encodeName(m_temp.path()).constData(), 0700), 0);
    ASSERT_EQ(::chown(QFile::encodeName(m_temp.path()).constData(), 4242, 4242), 0);
    EXPECT_EQ(placementFailure(),
              QStringLiteral("brindlecast-studio: the encoder cannot be put in place: The "
                             "temporary folder %1 is owned by another user; the encoder is not "
                             "put there\n")
                  .arg(m_temp.path()));
}

TEST_F(HonestReason, ATemporaryFolderNamedInBytesThatAreNoUtf8IsSaidToBe)
{
    const QByteArray temp = QFile::encodeName(m_temp.path()) + "/caf\xe9";
    ASSERT_EQ(::mkdir(temp.constData(), 0700), 0);
    makeWav(QStringLiteral("a.wav"));
    const QString err = workPath(QStringLiteral("err.txt"));
    m_rawEnvironment = {"TEMP=" + temp};
    EXPECT_EQ(
        runWithStreams({"--convert", "a.wav"}, {"/dev/null", "/dev/null", QFile::encodeName(err)}),
        3);
    QFile said(err);
    ASSERT_TRUE(said.open(QIODevice::ReadOnly));
    const QString line = QString::fromUtf8(said.readAll());
    EXPECT_TRUE(line.startsWith(QStringLiteral(
        "brindlecast-studio: the encoder cannot be put in place: The name of the temporary "
        "folder ")))
        << line.toStdString();
    EXPECT_TRUE(line.endsWith(QStringLiteral(" is not valid UTF-8; set TEMP to another folder\n")))
        << line.toStdString();
    // No QString names it, so the fixture could not remove it.
    EXPECT_EQ(::rmdir(temp.constData()), 0);
}

// An encoder that, as some builds do, ends with 0 when its output could not be closed.
TEST_F(HonestReason, AFullDiskIsSaidToBeFull)
{
    const QString full = workPath(QStringLiteral("full"));
    ASSERT_TRUE(QDir().mkpath(full));
    TmpfsMount mount(full, "size=4k");
    if (!mount.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    {
        QFile filler(full + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(4096, 'x'));
    }
    const QString real = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    ASSERT_FALSE(real.isEmpty());
    useEncoderFile(QStringLiteral("#!/bin/sh\n'%1' \"$@\"\nexit 0\n").arg(real).toUtf8(), 0700);
    makeWav(QStringLiteral("a.wav"));

    const Result result = run({QStringLiteral("--convert"), QStringLiteral("--output-folder"), full,
                               QStringLiteral("a.wav")});

    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.startsWith(QStringLiteral("failed %1: the encoder wrote no output: ")
                                          .arg(workPath(QStringLiteral("a.wav")))))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral(": No space left on device\n")))
        << result.err.toStdString();
    EXPECT_TRUE(partialFiles(full).isEmpty());
}

} // namespace
} // namespace brindlecast::test
