// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/JobScheduler.h"

#include "core/StartFailure.h"
#include "platform/ChildProcess.h"
#include "platform/ExitCleanup.h"

#include <algorithm>
#include <memory>

namespace brindlecast {

struct JobScheduler::Running {
    ScheduledJob job;
    std::unique_ptr<ChildProcess> child;
    // Registered for as long as the child runs: ending the program ends it and removes its file.
    ExitCleanup::Entry endOnExit;
    ExitCleanup::Entry removeOnExit;
    // A child that tells of its end is not asked before: asking handles events, and the wake-up
    // that leaves behind would turn the wait for activity into a busy loop.
    bool tellsItsEnd = false;
    std::shared_ptr<bool> ended = std::make_shared<bool>(false);
};

JobScheduler::JobScheduler(int maxRunning, ExitCleanup& cleanup, Hooks hooks)
    : m_maxRunning(std::max(1, maxRunning)), m_cleanup(cleanup), m_hooks(std::move(hooks))
{
}

JobScheduler::~JobScheduler() = default;

bool JobScheduler::run(const NextJob& next, const JobEnded& ended)
{
    bool jobsLeft = true;
    while (!m_interrupted) {
        while (jobsLeft && !m_interrupted && int(m_running.size()) < m_maxRunning) {
            std::optional<ScheduledJob> job = next();
            if (!job)
                jobsLeft = false;
            else
                start(std::move(*job), ended);
        }
        if (m_interrupted || (m_running.empty() && !jobsLeft))
            break;
        if (!collectEnded(ended))
            m_hooks.waitForActivity();
    }
    if (m_interrupted)
        endAll();
    return !m_interrupted;
}

void JobScheduler::start(ScheduledJob job, const JobEnded& ended)
{
    auto running = std::make_unique<Running>();
    running->job = std::move(job);
    running->child = m_hooks.createChildProcess();
    if (const std::shared_ptr<JobFiles> files = running->job.files; files && files->partial)
        running->removeOnExit = m_cleanup.runAtEnd([files] { files->partial->discard(); });
    running->tellsItsEnd =
        running->child->notifyOnEnd([ended = running->ended, woken = m_hooks.childEnded] {
            *ended = true;
            if (woken)
                woken();
        });
    const int failure = running->child->start(running->job.command);
    if (failure != 0) {
        ended(running->job, *running->child, startFailureResult(failure));
        return;
    }
    running->endOnExit = m_cleanup.endChild(*running->child);
    m_running.push_back(std::move(running));
}

bool JobScheduler::collectEnded(const JobEnded& ended)
{
    bool anyEnded = false;
    for (std::size_t i = 0; i < m_running.size();) {
        // Asking handles pending events, so a signal may interrupt the run in between.
        if (m_interrupted)
            return true;
        const Running& running = *m_running[i];
        if ((running.tellsItsEnd && !*running.ended) || !running.child->waitForEnd(0)) {
            ++i;
            continue;
        }
        std::unique_ptr<Running> done = std::move(m_running[i]);
        m_running.erase(m_running.begin() + std::ptrdiff_t(i));
        done->endOnExit.release();
        ended(done->job, *done->child, done->child->exitCode());
        anyEnded = true;
    }
    return anyEnded;
}

void JobScheduler::endAll()
{
    // Children first, so that nothing writes any more, then their files.
    for (const std::unique_ptr<Running>& running : m_running)
        running->endOnExit.runNow();
    for (const std::unique_ptr<Running>& running : m_running)
        running->removeOnExit.runNow();
    m_running.clear();
}

} // namespace brindlecast
