// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/BatchOptions.h"
#include "batch/BatchReport.h"
#include "batch/OutputPlan.h"
#include "convert/FileEncoder.h"
#include "convert/JobScheduler.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace brindlecast {

class ChildProcess;
class TextConsole;

// What a run works with, each replaceable in tests.
struct BatchRunServices {
    const ConversionServices& conversion;
    TextConsole& console;
    // Returns once something may have changed: a child ended, a signal came, a timer ticked.
    std::function<void()> waitForActivity;
    // The input's own bit-rate text ("1411k"), or nullopt when it cannot be read.
    std::function<std::optional<QString>(const QString& input)> inputBitRate;
    std::function<double()> elapsedSeconds;
};

// Converts the planned files with the one engine and scheduler the window uses too: one line
// per file as it ends, and the counts.
class BatchRun {
public:
    BatchRun(BatchOptions options, QList<PlannedFile> plan, EncodeSettings encoder,
             BatchRunServices services);

    // False when interrupted.
    bool run();
    void interrupt() { m_scheduler.interrupt(); }

    const BatchCounts& counts() const { return m_counts; }

    // Draws the live line again (when the error output is a terminal).
    void showProgress();

private:
    std::optional<ScheduledJob> nextJob();
    // The job for a file, or nullopt when the file ended without one.
    std::optional<ScheduledJob> prepare(int file);
    void finished(int file, const FileVerdict& verdict);
    std::optional<QString> bitRateFor(int file, const QString& openedInput);

    BatchOptions m_options;
    QList<PlannedFile> m_plan;
    QList<qint64> m_sizes;
    QList<bool> m_atFallback;
    qint64 m_totalBytes = 0;
    qint64 m_doneBytes = 0;
    BatchRunServices m_services;
    FileEncoder m_files;
    JobScheduler m_scheduler;
    BatchCounts m_counts;
    int m_nextFile = 0;
};

} // namespace brindlecast
