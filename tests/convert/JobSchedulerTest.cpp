// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/JobScheduler.h"

#include "core/StartFailure.h"
#include "platform/ExitCleanup.h"
#include "platform/OutputFiles.h"
#include "support/CaseName.h"
#include "support/ScriptedChild.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

// How one job's child behaves.
struct Job {
    int life = 1; // the waits it is asked through, or the ticks before it tells of its end
    int exitCode = 0;
    int startFailure = 0; // 53: the program is not there
    bool tellsEnd = false;
};

struct Ended {
    int job;
    int result;
};

// A scheduler over scripted jobs whose partial outputs are real (empty) files.
class SchedulerRun {
public:
    SchedulerRun(int maxRunning, QList<Job> jobs)
        : m_jobs(std::move(jobs)),
          scheduler(maxRunning, cleanup,
                    {[this] {
                         // Made for the job next() has just given.
                         return children.create(m_jobs.at(m_next - 1).tellsEnd
                                                    ? ScriptedChildren::EndTelling::Told
                                                    : ScriptedChildren::EndTelling::Asked);
                     },
                     [this] {
                         children.tick();
                         if (onTick)
                             onTick(children.ticks());
                     },
                     {}})
    {
        // Each job's command names it.
        children.scriptFor = [this](const ProcessCommand& command) {
            const Job& job = m_jobs.at(command.arguments.value(0).toInt());
            return ChildScript{job.startFailure, job.exitCode, {}, {}, job.life};
        };
    }

    bool run()
    {
        return scheduler.run(
            [this]() -> std::optional<ScheduledJob> {
                if (m_next >= m_jobs.size())
                    return std::nullopt;
                const int job = m_next++;
                // Real partial files, as the engine makes them.
                auto files = std::make_shared<JobFiles>();
                files->partial = m_outputs.createPartial(
                    m_folder.path(), m_folder.filePath(QStringLiteral("%1.aac").arg(job)));
                return ScheduledJob{
                    job, {QStringLiteral("encoder"), {QString::number(job)}}, {}, {}, files};
            },
            [this](const ScheduledJob& job, ChildProcess&, int result) {
                ended << Ended{job.file, result};
                // The run puts a whole output in place under its own name.
                job.files->partial->replaceOutput();
            });
    }

    // Everything in the folder, hidden entries included.
    QStringList filesLeft() const
    {
        return QDir(m_folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    ScriptedChildren children;
    ExitCleanup cleanup;
    std::function<void(int tick)> onTick;
    QList<Ended> ended;

private:
    QList<Job> m_jobs;
    QTemporaryDir m_folder;
    PosixOutputFiles m_outputs;
    int m_next = 0;

public:
    JobScheduler scheduler;
};

QList<int> jobsOf(const QList<Ended>& ended)
{
    QList<int> jobs;
    for (const Ended& end : ended)
        jobs << end.job;
    return jobs;
}

QList<int> jobsOf(const QList<ProcessCommand>& commands)
{
    QList<int> jobs;
    for (const ProcessCommand& command : commands)
        jobs << command.arguments.value(0).toInt();
    return jobs;
}

struct LimitCase {
    const char* name;
    int maxRunning;
};

class SchedulerLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SchedulerLimit, RunsAsManyAtOnceAsAllowedAndNeverMore)
{
    SchedulerRun run(GetParam().maxRunning, {{3}, {1}, {4}, {1}, {5}, {9}, {2}});
    EXPECT_TRUE(run.run());
    EXPECT_EQ(run.children.mostRunning, std::min(GetParam().maxRunning, 7));
    QList<int> jobs = jobsOf(run.ended);
    std::sort(jobs.begin(), jobs.end());
    EXPECT_EQ(jobs, (QList<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(run.children.running, 0);
    EXPECT_TRUE(run.cleanup.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Batch, SchedulerLimit,
                         ::testing::Values(LimitCase{"One", 1}, LimitCase{"Two", 2},
                                           LimitCase{"Three", 3}, LimitCase{"MoreThanJobs", 12}),
                         CaseName());

TEST(JobScheduler, ReportsEachResultAsItEndsAndStartsTheNextAtOnce)
{
    SchedulerRun run(2, {{6}, {1}, {1}, {1}});
    EXPECT_TRUE(run.run());
    // The long first job does not hold back the short ones behind it.
    EXPECT_EQ(jobsOf(run.ended), (QList<int>{1, 2, 3, 0}));
    EXPECT_EQ(run.children.mostRunning, 2);
}

TEST(JobScheduler, AsksNoChildThatTellsOfItsEndBeforeItHas)
{
    const Job telling{3, 0, 0, true};
    SchedulerRun run(2, {telling, {1}, telling, {2}, telling});
    EXPECT_TRUE(run.run());
    EXPECT_EQ(run.ended.size(), 5);
    EXPECT_EQ(run.children.askedWhileRunning, 0);
    EXPECT_EQ(run.children.mostRunning, 2);
}

TEST(JobScheduler, AFailureDoesNotStopTheOthers)
{
    SchedulerRun run(2, {{2}, {1, 1}, {1, 0, 53}, {3}, {1, 255}});
    EXPECT_TRUE(run.run());
    ASSERT_EQ(run.ended.size(), 5);
    std::sort(run.ended.begin(), run.ended.end(),
              [](const Ended& a, const Ended& b) { return a.job < b.job; });
    EXPECT_EQ(run.ended[0].result, 0);
    EXPECT_EQ(run.ended[1].result, 1);
    EXPECT_EQ(run.ended[2].result, startFailureResult(53));
    EXPECT_EQ(run.ended[3].result, 0);
    EXPECT_EQ(run.ended[4].result, 255);
}

TEST(JobScheduler, AnInterruptionEndsEveryRunningChildRemovesItsPartialAndStartsNoMore)
{
    SchedulerRun run(3, {{1}, {50}, {50}, {50}, {50}, {50}});
    run.onTick = [&run](int tick) {
        if (tick == 3)
            run.scheduler.interrupt();
    };
    EXPECT_FALSE(run.run());
    EXPECT_TRUE(run.scheduler.interrupted());
    EXPECT_EQ(jobsOf(run.ended), QList<int>{0});
    EXPECT_EQ(jobsOf(run.children.started), (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(jobsOf(run.children.endedNow), (QList<int>{1, 2, 3}));
    EXPECT_EQ(run.children.running, 0);
    // The finished output stays; the partial ones are gone.
    EXPECT_EQ(run.filesLeft(), QStringList{QStringLiteral("0.aac")});
    EXPECT_TRUE(run.cleanup.isEmpty());
}

// The window's run registers its encoder folder for the program's end too: a stop of the
// encoders must leave that to the run.
TEST(JobScheduler, AnInterruptionLeavesWhatElseIsRegisteredForTheEnd)
{
    SchedulerRun run(2, {{50}, {50}});
    QTemporaryDir kept;
    ExitCleanup::Entry folderOnExit = run.cleanup.removeFolder(kept.path());
    run.onTick = [&run](int tick) {
        if (tick == 2)
            run.scheduler.interrupt();
    };
    EXPECT_FALSE(run.run());
    EXPECT_EQ(run.children.endedNow.size(), 2);
    EXPECT_TRUE(run.filesLeft().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(kept.path()));
    EXPECT_FALSE(run.cleanup.isEmpty());
    folderOnExit.release();
    EXPECT_TRUE(run.cleanup.isEmpty());
}

} // namespace
} // namespace brindlecast::test
