// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProcessCommand.h"
#include "platform/OutputFiles.h"
#include "platform/UniqueFd.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace brindlecast {

class ChildProcess;
class ExitCleanup;

// The open files of one encode: the input the child reads, the partial output it writes.
struct JobFiles {
    UniqueFd input;
    std::unique_ptr<PartialOutput> partial; // discarded if the run is stopped
};

// One encode for the scheduler to run.
struct ScheduledJob {
    int file = 0; // the file's place in the run
    ProcessCommand command;
    QString input;
    QString output; // the final name
    std::shared_ptr<JobFiles> files;
};

// Runs encoder processes side by side, never more than a given number at once, starting the
// next as soon as one ends. Each end is reported as it happens, a failure like any other; only
// interrupt() stops the run. A stop ends the children this scheduler started and removes their
// partial outputs, and nothing else: what else the program registered for its end stays.
class JobScheduler {
public:
    struct Hooks {
        std::function<std::unique_ptr<ChildProcess>()> createChildProcess;
        // Returns once something may have changed: a child ended, a signal came, a timer ticked.
        std::function<void()> waitForActivity;
        // Runs when a child tells of its end, so that the wait for activity can return at once.
        std::function<void()> childEnded;
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
    std::vector<std::unique_ptr<Running>> m_running; // in the order they started
    bool m_interrupted = false;
};

} // namespace brindlecast
