// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/BatchOptions.h"
#include "batch/BatchReport.h"
#include "batch/JobScheduler.h"
#include "batch/OutputPlan.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace brindlecast {

class ChildProcess;
class FileSystem;
class OutputFiles;
class TextConsole;

// What a run works with, each replaceable in tests.
struct BatchRunServices {
    FileSystem& fileSystem;
    OutputFiles& outputs;
    TextConsole& console;
    ExitCleanup& cleanup;
    JobScheduler::Hooks children;
    // The input's own bit-rate text ("1411k"), or nullopt when it cannot be read.
    std::function<std::optional<QString>(const QString& input)> inputBitRate;
    // Why an encode left no whole output, or nullopt when it did.
    std::function<std::optional<QString>(int result, const ChildProcess& child,
                                         const QString& input, const QString& output)>
        verdict;
    // Whether the deployed encoder can still be trusted; asked before every file.
    std::function<bool()> encoderTrusted;
    std::function<double()> elapsedSeconds;
};

// The encoder put in place for the run, and the AAC encoder it offers.
struct DeployedEncoder {
    QString path;
    QString codec;
};

// Converts the planned files with the scheduler: for each, in order, the checks that may fail
// or skip it without an encode, then the encode into a partial file beside the output, which
// replaces the output in one rename once the verdict finds it whole. Prints one line per file as
// it ends and keeps the counts.
class BatchRun {
public:
    BatchRun(BatchOptions options, QList<PlannedFile> plan, DeployedEncoder encoder,
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
    void finish(const ScheduledJob& job, ChildProcess& child, int result);
    QString bitRateFor(const QString& input, bool& atFallback);

    void converted(int file);
    void skipped(int file);
    void failed(int file, const QString& reason);
    void fileDone(int file);

    BatchOptions m_options;
    QList<PlannedFile> m_plan;
    QList<qint64> m_sizes;
    QList<bool> m_atFallback;
    qint64 m_totalBytes = 0;
    qint64 m_doneBytes = 0;
    DeployedEncoder m_encoder;
    BatchRunServices m_services;
    JobScheduler m_scheduler;
    BatchCounts m_counts;
    int m_nextFile = 0;
};

} // namespace brindlecast
