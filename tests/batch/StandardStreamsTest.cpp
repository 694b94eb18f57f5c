// SPDX-License-Identifier: GPL-3.0-or-later
// The program as anyone may start it: with standard streams closed, or writing to a full disk.
#include "batch/CommandLineFixture.h"
#include "support/FileContents.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

using StartedOddly = CommandLineFixture;

// With 0, 1 and 2 closed, the descriptors the program opens itself (the signal pipe among them)
// would take their numbers: a line about a failed file must not be read back as a signal, and
// every file is still converted.
TEST_F(StartedOddly, WithItsStandardStreamsClosedItConvertsEveryFile)
{
    makeWav(QStringLiteral("one.wav"));
    makeWav(QStringLiteral("two.wav"));
    const QList<QByteArray> arguments{"--convert", "--jobs=1", "one.wav", "missing.wav", "two.wav"};

    EXPECT_EQ(runWithStreams(arguments, {QByteArray(), QByteArray(), QByteArray()}), 1);

    EXPECT_GT(QFileInfo(workPath(QStringLiteral("one.aac"))).size(), 0);
    EXPECT_GT(QFileInfo(workPath(QStringLiteral("two.aac"))).size(), 0);
    EXPECT_TRUE(partialFiles(m_work.path()).isEmpty());
    EXPECT_TRUE(temporaryEntries().isEmpty());
}

// Lines that went nowhere are no success: the error output says so, and the status is not 0.
TEST_F(StartedOddly, OutputToAFullDiskIsAWriteError)
{
    makeWav(QStringLiteral("one.wav"));
    const QByteArray errors = QFile::encodeName(m_temp.filePath(QStringLiteral("errors")));

    for (const QList<QByteArray>& arguments :
         {QList<QByteArray>{"--convert", "one.wav"}, QList<QByteArray>{"--help"},
          QList<QByteArray>{"--version"}}) {
        EXPECT_EQ(runWithStreams(arguments, {"/dev/null", "/dev/full", errors}), 1)
            << arguments.join(' ').toStdString();
        QFile said(QString::fromLocal8Bit(errors));
        ASSERT_TRUE(said.open(QIODevice::ReadOnly));
        EXPECT_TRUE(
            said.readAll().endsWith("brindlecast-studio: write error: No space left on device\n"))
            << arguments.join(' ').toStdString();
        QFile::remove(QString::fromLocal8Bit(errors));
    }
    EXPECT_GT(QFileInfo(workPath(QStringLiteral("one.aac"))).size(), 0);
}

using OddArguments = CommandLineFixture;

// Bytes that are not UTF-8 have no text: such a name is left out and said, never read as the file
// whose name is the replacement character, and the status tells.
TEST_F(OddArguments, NamesThatAreNotUtf8AreLeftOutAndSaid)
{
    const QString lookalike = makeWav(QStringLiteral("x\uFFFD.wav"));
    const QByteArray work = QFile::encodeName(m_work.path());
    // Created by their bytes: no text could name them.
    const auto writeBytes = [](const QByteArray& path) {
        FILE* created = std::fopen(path.constData(), "wb");
        ASSERT_NE(created, nullptr);
        std::fclose(created);
    };
    writeBytes(work + "/x\xff.wav");
    const QString errors = m_temp.filePath(QStringLiteral("errors"));
    const QString output = m_temp.filePath(QStringLiteral("output"));
    const std::array<QByteArray, 3> streams{"/dev/null", QFile::encodeName(output),
                                            QFile::encodeName(errors)};

    EXPECT_EQ(runWithStreams({"--convert", "x\xff.wav"}, streams), 1);
    EXPECT_FALSE(QFileInfo::exists(workPath(QStringLiteral("x\uFFFD.aac"))));
    EXPECT_TRUE(contentOf(errors).startsWith(
        "brindlecast-studio: 1 file or folder was left out: its name is not valid UTF-8\n"))
        << contentOf(errors).toStdString();
    EXPECT_EQ(runWithStreams({"--convert", "--output-folder", "\xff", "a.wav"}, streams), 2);

    // A folder's scan says what it left out too.
    ASSERT_TRUE(QDir().mkpath(workPath(QStringLiteral("tree"))));
    makeWav(QStringLiteral("tree/good.wav"));
    writeBytes(work + "/tree/bad\xff.wav");
    ASSERT_EQ(::mkdir((work + "/tree/dir\xfe").constData(), 0700), 0);
    writeBytes(work + "/tree/dir\xfe/inner.wav");
    EXPECT_EQ(runWithStreams({"--convert", "tree"}, streams), 1);
    EXPECT_TRUE(contentOf(errors).startsWith("brindlecast-studio: 2 files or folders were left "
                                             "out: their names are not valid UTF-8\n"))
        << contentOf(errors).toStdString();
    EXPECT_TRUE(contentOf(output).contains("1 of 1 files converted"))
        << contentOf(output).toStdString();
    EXPECT_GT(QFileInfo(workPath(QStringLiteral("tree/good.aac"))).size(), 0);
    EXPECT_TRUE(QFileInfo::exists(lookalike));
}

// One file named twice, or inside a folder also given, or by a link's name, is converted once
// and is no failure, with --skip-existing too.
TEST_F(OddArguments, TheSameFileNamedTwiceIsTakenOnce)
{
    makeWav(QStringLiteral("in/a.wav"));
    ASSERT_EQ(::symlink("in", QFile::encodeName(workPath(QStringLiteral("alias"))).constData()), 0);
    for (const QStringList& extra :
         {QStringList{}, QStringList{QStringLiteral("--skip-existing")}}) {
        const Result result =
            run(QStringList{QStringLiteral("--convert"), QStringLiteral("in/a.wav"),
                            QStringLiteral("in/a.wav"), QStringLiteral("in"),
                            QStringLiteral("alias/a.wav"), QStringLiteral("./in/../in/a.wav")} +
                extra);
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        EXPECT_TRUE(result.out.contains(QStringLiteral(" of 1 files converted, 0 failed")))
            << result.out.toStdString();
    }
    EXPECT_GT(QFileInfo(workPath(QStringLiteral("in/a.aac"))).size(), 0);
}

} // namespace
} // namespace brindlecast::test
