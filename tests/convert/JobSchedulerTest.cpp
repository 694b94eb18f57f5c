// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/JobScheduler.h"

#include "core/StartFailure.h"
#include "platform/ChildProcess.h"
#include "platform/ExitCleanup.h"
#include "support/CaseName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

class FakeChild;

// What the fake children share: a clock that moves one tick per wait for activity, and counts.
struct FakeWorld {
    QList<FakeChild*> telling; // the children that tell of their end
    int askedWhileRunning = 0; // such children asked before they told
    int ticks = 0;
    int running = 0;
    int mostRunning = 0;
    int killed = 0;
    QList<int> startOrder;
};

// How one job's child behaves.
struct FakeScript {
    int lifeTicks = 1; // ends once this many waits have passed since its start
    int exitCode = 0;
    int startFailure = 0; // 53: the program is not there
    bool tellsEnd = false;
};

class FakeChild final : public ChildProcess {
public:
    FakeChild(FakeWorld& world, int job, FakeScript script)
        : m_world(world), m_job(job), m_script(script)
    {
    }
    ~FakeChild() override { m_world.telling.removeAll(this); }

    bool notifyOnEnd(std::function<void()> onEnd) override
    {
        if (!m_script.tellsEnd)
            return false;
        m_onEnd = std::move(onEnd);
        m_world.telling << this;
        return true;
    }
    // The clock moved on: a child that tells of its end does so now if its time has come.
    void tick()
    {
        if (m_running && m_world.ticks - m_startTick >= m_script.lifeTicks) {
            stop();
            m_onEnd();
        }
    }

    int start(const ProcessCommand&) override
    {
        m_world.startOrder << m_job;
        if (m_script.startFailure != 0)
            return m_script.startFailure;
        m_startTick = m_world.ticks;
        m_world.mostRunning = std::max(m_world.mostRunning, ++m_world.running);
        m_running = true;
        return 0;
    }
    bool waitForEnd(int) override
    {
        if (m_script.tellsEnd) {
            m_world.askedWhileRunning += m_running ? 1 : 0;
            return !m_running;
        }
        if (m_running && m_world.ticks - m_startTick >= m_script.lifeTicks)
            stop();
        return !m_running;
    }
    void endNow() override
    {
        if (m_running) {
            ++m_world.killed;
            m_killed = true;
            stop();
        }
    }
    int exitCode() const override { return m_killed ? 128 + 9 : m_script.exitCode; }
    QString errorOutputTail() const override { return {}; }
    QByteArray standardOutput() const override { return {}; }

private:
    void stop()
    {
        m_running = false;
        --m_world.running;
    }

    FakeWorld& m_world;
    int m_job;
    FakeScript m_script;
    int m_startTick = 0;
    std::function<void()> m_onEnd;
    bool m_running = false;
    bool m_killed = false;
};

struct Ended {
    int job;
    int result;
};

// A scheduler over scripted jobs whose partial outputs are real (empty) files.
class SchedulerRun {
public:
    SchedulerRun(int maxRunning, QList<FakeScript> scripts)
        : m_scripts(std::move(scripts)),
          scheduler(maxRunning, cleanup,
                    {[this] {
                         const int job = m_created++;
                         return std::make_unique<FakeChild>(world, job, m_scripts.at(job));
                     },
                     [this] {
                         ++world.ticks;
                         for (FakeChild* child : QList<FakeChild*>(world.telling))
                             child->tick();
                         if (onTick)
                             onTick(world.ticks);
                     },
                     {}})
    {
    }

    QString partialOf(int job) const
    {
        return m_folder.filePath(QStringLiteral("%1.part").arg(job));
    }

    bool run()
    {
        return scheduler.run(
            [this]() -> std::optional<ScheduledJob> {
                if (m_next >= m_scripts.size())
                    return std::nullopt;
                const int job = m_next++;
                QFile partial(partialOf(job));
                EXPECT_TRUE(partial.open(QIODevice::WriteOnly));
                return ScheduledJob{job, {QStringLiteral("encoder"), {}}, {}, {}, partialOf(job)};
            },
            [this](const ScheduledJob& job, ChildProcess&, int result) {
                ended << Ended{job.file, result};
                // The run puts a whole output in place under its own name.
                QFile::rename(job.partialOutput, job.partialOutput + QStringLiteral(".done"));
            });
    }

    QStringList filesLeft() const { return QDir(m_folder.path()).entryList(QDir::Files); }

    FakeWorld world;
    ExitCleanup cleanup;
    std::function<void(int tick)> onTick;
    QList<Ended> ended;

private:
    QList<FakeScript> m_scripts;
    QTemporaryDir m_folder;
    int m_created = 0;
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

struct LimitCase {
    const char* name;
    int maxRunning;
};

class SchedulerLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SchedulerLimit, RunsAsManyAtOnceAsAllowedAndNeverMore)
{
    SchedulerRun run(GetParam().maxRunning, {{3}, {1}, {4}, {1}, {5}, {9}, {2}});
    EXPECT_TRUE(run.run());
    EXPECT_EQ(run.world.mostRunning, std::min(GetParam().maxRunning, 7));
    QList<int> jobs = jobsOf(run.ended);
    std::sort(jobs.begin(), jobs.end());
    EXPECT_EQ(jobs, (QList<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(run.world.running, 0);
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
    EXPECT_EQ(run.world.mostRunning, 2);
}

TEST(JobScheduler, AsksNoChildThatTellsOfItsEndBeforeItHas)
{
    FakeScript telling{3, 0, 0, true};
    SchedulerRun run(2, {telling, {1}, telling, {2}, telling});
    EXPECT_TRUE(run.run());
    EXPECT_EQ(run.ended.size(), 5);
    EXPECT_EQ(run.world.askedWhileRunning, 0);
    EXPECT_EQ(run.world.mostRunning, 2);
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
    EXPECT_EQ(run.world.startOrder, (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(run.world.killed, 3);
    EXPECT_EQ(run.world.running, 0);
    // The finished output stays; the partial ones are gone.
    EXPECT_EQ(run.filesLeft(), QStringList{QStringLiteral("0.part.done")});
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
    EXPECT_EQ(run.world.killed, 2);
    EXPECT_TRUE(run.filesLeft().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(kept.path()));
    EXPECT_FALSE(run.cleanup.isEmpty());
    folderOnExit.release();
    EXPECT_TRUE(run.cleanup.isEmpty());
}

} // namespace
} // namespace brindlecast::test
