// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ProcessRunner.h"

#include "convert/WaitAnimation.h"
#include "core/ProgressAnimation.h"
#include "core/StartFailure.h"

#include <QCoreApplication>

namespace brindlecast {

int RunProcessWithProgress(ChildProcess& process, const ProcessCommand& command,
                           ProgressDisplay* progressBar, const QString& baseText,
                           std::optional<int> startValue, std::optional<int> fileCount)
{
    if (const int failure = process.start(command))
        return startFailureResult(failure);

    std::optional<WaitAnimation> animation;
    if (progressBar)
        animation.emplace(*progressBar, baseText, startValue, fileCount);
    // Each cycle waits up to 100 ms but returns the moment the child ends, so a short child
    // costs no more than its own run time. The real child handles the window's events while it
    // waits; the one pump per cycle keeps the window answering whatever child is waited for.
    while (!process.waitForEnd(kWaitCycleMs)) {
        QCoreApplication::processEvents();
        if (animation)
            animation->nextCycle();
    }
    if (animation)
        animation->finish();
    return process.exitCode();
}

} // namespace brindlecast
