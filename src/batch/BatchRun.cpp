// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchRun.h"

#include "batch/EncodeJobCommand.h"
#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "platform/FileSystem.h"
#include "platform/OutputFiles.h"
#include "platform/StandardStreams.h"

#include <algorithm>

namespace brindlecast {

BatchRun::BatchRun(BatchOptions options, QList<PlannedFile> plan, DeployedEncoder encoder,
                   BatchRunServices services)
    : m_options(std::move(options)), m_plan(std::move(plan)), m_encoder(std::move(encoder)),
      m_services(std::move(services)),
      m_scheduler(m_options.jobs, m_services.cleanup, m_services.children)
{
    m_counts.total = int(m_plan.size());
    m_atFallback.fill(false, m_plan.size());
    for (const PlannedFile& file : m_plan) {
        m_sizes.append(std::max<qint64>(0, m_services.fileSystem.regularFileSize(file.input)));
        m_totalBytes += m_sizes.last();
    }
}

bool BatchRun::run()
{
    showProgress();
    const bool whole = m_scheduler.run([this] { return nextJob(); },
                                       [this](const ScheduledJob& job, ChildProcess& child,
                                              int result) { finish(job, child, result); });
    if (m_services.console.errorIsTerminal())
        m_services.console.showStatus(QString());
    return whole;
}

void BatchRun::showProgress()
{
    if (!m_services.console.errorIsTerminal())
        return;
    // By input size, so that one long recording among short ones weighs what it takes; a run of
    // empty inputs goes by the count.
    const double fraction = m_totalBytes > 0     ? double(m_doneBytes) / double(m_totalBytes)
                            : m_counts.total > 0 ? double(m_counts.done()) / m_counts.total
                                                 : 1.0;
    m_services.console.showStatus(progressLine(m_counts, fraction, m_services.elapsedSeconds()));
}

std::optional<ScheduledJob> BatchRun::nextJob()
{
    while (m_nextFile < m_plan.size()) {
        if (std::optional<ScheduledJob> job = prepare(m_nextFile++))
            return job;
    }
    return std::nullopt;
}

std::optional<ScheduledJob> BatchRun::prepare(int file)
{
    const PlannedFile& planned = m_plan.at(file);
    FileSystem& fileSystem = m_services.fileSystem;
    if (!planned.conflict.isEmpty()) {
        failed(file, planned.conflict);
        return std::nullopt;
    }
    // A pipe or device would keep the encoder waiting; a missing input leaves its old output.
    if (!fileSystem.isRegularFile(planned.input)) {
        // Bytes that are no UTF-8 do not survive into a name the program can open again.
        failed(file, planned.input.contains(QChar::ReplacementCharacter)
                         ? QStringLiteral("its name is not valid UTF-8, which cannot be converted")
                         : QStringLiteral("the input is missing or not a regular file"));
        return std::nullopt;
    }
    if (fileSystem.isSameFile(planned.input, planned.output)) {
        failed(file, QStringLiteral("the output file would replace the input file"));
        return std::nullopt;
    }
    if (m_options.skipExisting && m_services.outputs.isNewerThan(planned.output, planned.input)) {
        skipped(file);
        return std::nullopt;
    }
    if (fileSystem.isFolder(planned.output)) {
        failed(file, QStringLiteral("a folder is in the way of the output %1").arg(planned.output));
        return std::nullopt;
    }
    if (!m_services.encoderTrusted()) {
        failed(file, QStringLiteral("the encoder could have been changed by another user, so it "
                                    "was not run"));
        return std::nullopt;
    }
    ScheduledJob job;
    job.file = file;
    try {
        m_services.outputs.makeFolders(FolderOfPath(planned.output));
        const QString bitRate = bitRateFor(planned.input, m_atFallback[file]);
        job.partialOutput = m_services.outputs.createPartialFile(planned.output);
        job.command = batchEncoderCommand(m_encoder.path, planned.input, bitRate, m_encoder.codec,
                                          job.partialOutput, m_options.format);
    } catch (const Failure& failure) {
        failed(file, failure.description());
        return std::nullopt;
    }
    return job;
}

QString BatchRun::bitRateFor(const QString& input, bool& atFallback)
{
    atFallback = false;
    if (m_options.bitRateKbps)
        return QStringLiteral("%1k").arg(*m_options.bitRateKbps);
    std::optional<QString> own;
    try {
        own = m_services.inputBitRate(input);
    } catch (const std::exception&) {
        // An answer that does not convert, or no library: the fallback rate, said in the summary.
    }
    atFallback = !own.has_value();
    return own.value_or(QStringLiteral("%1k").arg(kFallbackBitRateKbps));
}

void BatchRun::finish(const ScheduledJob& job, ChildProcess& child, int result)
{
    const PlannedFile& planned = m_plan.at(job.file);
    std::optional<QString> failure =
        m_services.verdict(result, child, planned.input, job.partialOutput);
    if (!failure) {
        try {
            m_services.outputs.replaceWith(job.partialOutput, planned.output);
        } catch (const Failure& renameFailure) {
            failure = renameFailure.description();
        }
    }
    if (failure) {
        try {
            m_services.fileSystem.removeFile(job.partialOutput);
        } catch (const Failure&) {
            // Already gone (a start failure may leave the empty file only).
        }
        // The reader knows the output by its own name, not by the partial one.
        failed(job.file, failure->replace(job.partialOutput, planned.output));
        return;
    }
    converted(job.file);
}

void BatchRun::converted(int file)
{
    ++m_counts.converted;
    if (m_atFallback.at(file))
        ++m_counts.atFallbackRate;
    const PlannedFile& planned = m_plan.at(file);
    m_services.console.printLine(
        QStringLiteral("converted %1 -> %2").arg(planned.input, planned.output));
    fileDone(file);
}

void BatchRun::skipped(int file)
{
    ++m_counts.skipped;
    const PlannedFile& planned = m_plan.at(file);
    m_services.console.printLine(
        QStringLiteral("skipped %1 (%2 is up to date)").arg(planned.input, planned.output));
    fileDone(file);
}

void BatchRun::failed(int file, const QString& reason)
{
    ++m_counts.failed;
    m_services.console.printErrorLine(
        QStringLiteral("failed %1: %2").arg(m_plan.at(file).input, reason));
    fileDone(file);
}

void BatchRun::fileDone(int file)
{
    m_doneBytes += m_sizes.at(file);
    showProgress();
}

} // namespace brindlecast
