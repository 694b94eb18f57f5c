// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ProcessRunner.h"

#include "core/ProgressAnimation.h"
#include "core/ProgressDisplay.h"

#include <QCoreApplication>

namespace brindlecast {

namespace {

void showCycle(ProgressDisplay& bar, int cycle, const QString& baseText,
               std::optional<int> startValue, std::optional<int> fileCount)
{
    if (cycle < kFirstCounterCycle)
        return;
    const int counter = cycle - kFirstCounterCycle;
    bar.setText(waitText(baseText, counter));
    if (startValue && isValueStep(counter)) {
        const ProgressBand band = progressBand(*startValue, fileCount);
        bar.setRealValue(progressValueAt(counter, *startValue, band));
    }
}

} // namespace

int RunProcessWithProgress(ChildProcess& process, const ProcessCommand& command,
                           ProgressDisplay* progressBar, const QString& baseText,
                           std::optional<int> startValue, std::optional<int> fileCount)
{
    if (const int failure = process.start(command))
        return startFailureResult(failure);

    // Each cycle waits up to 100 ms but returns the moment the child ends, so a short child
    // costs no more than its own run time. The real child handles the window's events while it
    // waits; the one pump per cycle keeps the window answering whatever child is waited for.
    int cycle = 0;
    while (!process.waitForEnd(kWaitCycleMs)) {
        QCoreApplication::processEvents();
        if (progressBar)
            showCycle(*progressBar, ++cycle, baseText, startValue, fileCount);
    }
    if (progressBar)
        progressBar->setText(baseText.isEmpty() ? QStringLiteral("Progress Bar") : baseText);
    return process.exitCode();
}

} // namespace brindlecast
