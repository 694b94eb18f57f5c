#include "convert/ProcessRunner.h"

#include "core/ProgressAnimation.h"
#include "core/ProgressDisplay.h"

#include <QCoreApplication>

namespace brindlecast {

namespace {

void pumpEvents()
{
    QCoreApplication::processEvents();
}

void showCycle(ProgressDisplay& bar, int cycle, const QString& baseText,
               std::optional<int> startValue, std::optional<int> fileCount)
{
    pumpEvents();
    if (cycle < kFirstCounterCycle)
        return;
    pumpEvents();
    const int counter = cycle - kFirstCounterCycle;
    bar.setText(waitText(baseText, counter));
    if (startValue && isValueStep(counter)) {
        const ProgressBand band = progressBand(*startValue, fileCount);
        bar.setRealValue(progressValueAt(counter, *startValue, band));
    }
    pumpEvents();
}

} // namespace

int RunProcessWithProgress(ChildProcess& process, const ProcessCommand& command,
                           std::optional<int> windowStyle, ProgressDisplay* progressBar,
                           const QString& baseText, std::optional<int> startValue,
                           std::optional<int> fileCount)
{
    const int style = normaliseWindowStyle(windowStyle);
    if (const int failure = process.start(command, style))
        return startFailureResult(failure);

    // Each cycle waits up to 100 ms but returns the moment the child ends, so a short child
    // costs no more than its own run time.
    int cycle = 0;
    while (!process.waitForEnd(kWaitCycleMs)) {
        pumpEvents();
        if (progressBar) {
            ++cycle;
            showCycle(*progressBar, cycle, baseText, startValue, fileCount);
            pumpEvents();
        }
        pumpEvents();
    }
    if (progressBar)
        progressBar->setText(baseText.isEmpty() ? QStringLiteral("Progress Bar") : baseText);
    return process.exitCode();
}

} // namespace brindlecast
