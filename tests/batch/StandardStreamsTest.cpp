// SPDX-License-Identifier: GPL-3.0-or-later
// The program as anyone may start it: with standard streams closed, or writing to a full disk.
#include "batch/CommandLineFixture.h"

#include <QFile>
#include <QFileInfo>

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
    const QStringList arguments{QStringLiteral("--convert"), QStringLiteral("--jobs=1"),
                                QStringLiteral("one.wav"), QStringLiteral("missing.wav"),
                                QStringLiteral("two.wav")};

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

    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--convert"), QStringLiteral("one.wav")},
          QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("--version")}}) {
        EXPECT_EQ(runWithStreams(arguments, {"/dev/null", "/dev/full", errors}), 1)
            << arguments.join(u' ').toStdString();
        QFile said(QString::fromLocal8Bit(errors));
        ASSERT_TRUE(said.open(QIODevice::ReadOnly));
        EXPECT_TRUE(
            said.readAll().endsWith("brindlecast-studio: write error: No space left on device\n"))
            << arguments.join(u' ').toStdString();
        QFile::remove(QString::fromLocal8Bit(errors));
    }
    EXPECT_GT(QFileInfo(workPath(QStringLiteral("one.aac"))).size(), 0);
}

} // namespace
} // namespace brindlecast::test
