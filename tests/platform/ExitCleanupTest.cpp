// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ExitCleanup.h"

#include "support/CaseName.h"
#include "support/ProcessWatch.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>

namespace brindlecast::test {
namespace {

struct Ending {
    std::string name;
    std::optional<int> signalNumber; // else a closed window: a line on the helper's input
};

void PrintTo(const Ending& ending, std::ostream* out)
{
    *out << ending.name;
}

class ProgramEnding : public ::testing::TestWithParam<Ending> {};

// A program ended in the middle of a run ends its running encoder, and removes that encoder's
// partial output and the deployed encoder, before it goes; everything else stays.
TEST_P(ProgramEnding, EndsTheChildAndRemovesWhatTheRunLeaves)
{
    QTemporaryDir work;
    const QString kept = work.filePath(QStringLiteral("kept.wav"));
    ASSERT_TRUE(QFile(kept).open(QIODevice::WriteOnly));
    QProcess helper;
    helper.start(QStringLiteral(BRINDLECAST_EXIT_CLEANUP_HELPER), {work.path()});
    while (!helper.canReadLine())
        ASSERT_TRUE(helper.waitForReadyRead(-1)) << helper.readAllStandardError().toStdString();
    const QByteArray ready = helper.readLine().trimmed();
    ASSERT_TRUE(ready.startsWith("ready ")) << ready.toStdString();
    const WatchedProcess child(pid_t(ready.mid(6).toInt())); // the child at work
    ASSERT_TRUE(child.isHeld());
    ASSERT_FALSE(child.hasEnded());
    ASSERT_EQ(QDir(work.path()).count(), 2u + 3u);

    if (GetParam().signalNumber)
        ASSERT_EQ(::kill(pid_t(helper.processId()), *GetParam().signalNumber), 0);
    else
        helper.write("close\n");
    ASSERT_TRUE(helper.waitForFinished(-1));

    if (GetParam().signalNumber) {
        EXPECT_EQ(helper.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(helper.exitCode(), *GetParam().signalNumber);
    } else {
        EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(helper.exitCode(), 0);
    }
    EXPECT_TRUE(child.hasEnded());
    if (!child.hasEnded())
        child.kill();
    EXPECT_EQ(QDir(work.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("kept.wav")});
}

INSTANTIATE_TEST_SUITE_P(Program, ProgramEnding,
                         ::testing::Values(Ending{"Sigterm", SIGTERM}, Ending{"Sigint", SIGINT},
                                           Ending{"ClosedWindow", std::nullopt}),
                         CaseName());

TEST(ExitCleanup, ReleasedEntriesAreLeftAlone)
{
    QTemporaryDir work;
    const QString done = work.filePath(QStringLiteral("done.aac"));
    const QString partial = work.filePath(QStringLiteral("partial.aac"));
    for (const QString& path : {done, partial})
        ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly));
    ExitCleanup cleanup;
    ExitCleanup::Entry finished = cleanup.removeFile(done);
    const ExitCleanup::Entry running = cleanup.removeFile(partial);
    finished.release();

    cleanup.drain();

    EXPECT_TRUE(QFile::exists(done));
    EXPECT_FALSE(QFile::exists(partial));
    EXPECT_TRUE(cleanup.isEmpty());
}

} // namespace
} // namespace brindlecast::test
