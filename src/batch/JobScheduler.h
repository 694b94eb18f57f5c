// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProcessCommand.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace brindlecast {

class ChildProcess;
class ExitCleanup;

// One encode for the scheduler to run.
struct ScheduledJob {
    int file = 0; // the file's place in the run
    ProcessCommand command;
    QString partialOutput; // what the child writes; removed if the run is interrupted
};

// Runs encoder processes side by side, never more than a given number at once, starting the
// next as soon as one ends. Each end is reported as it happens, a failure like any other; only
// interrupt() stops the run, and it ends every running child and removes what they wrote.
class JobScheduler {
public:
    struct Hooks {
        std::function<std::unique_ptr<ChildProcess>()> createChild;
        // Returns once something may have changed: a child ended, a signal came, a timer ticked.
        std::function<void()> waitForActivity;
    };
    // The next job to start, or nullopt when none is left.
    using NextJob = std::function<std::optional<ScheduledJob>()>;
    // A job's end: its child and its result (the exit code, or startFailureResult()).
    using JobEnded = std::function<void(const ScheduledJob& job, ChildProcess& child, int result)>;

    JobScheduler(int maxRunning, ExitCleanup& cleanup, Hooks hooks);
    ~JobScheduler();
    JobScheduler(const JobScheduler&) = delete;
    JobScheduler& operator=(const JobScheduler&) = delete;

    // Runs jobs until none is left, or until interrupt(); false when interrupted.
    bool run(const NextJob& next, const JobEnded& ended);

    // Safe to call from a handler that runs during run(): no job starts any more, and the run
    // ends its children, removes their partial outputs and returns.
    void interrupt() { m_interrupted = true; }
    bool interrupted() const { return m_interrupted; }

private:
    struct Running;

    void start(ScheduledJob job, const JobEnded& ended);
    // Reports and forgets the children that have ended; true when any had.
    bool collectEnded(const JobEnded& ended);
    void endAll();

    int m_maxRunning;
    ExitCleanup& m_cleanup;
    Hooks m_hooks;
    std::vector<std::unique_ptr<Running>> m_running;
    bool m_interrupted = false;
};

} // namespace brindlecast
