// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchRun.h"

#include "core/ConstantBitRates.h"
#include "core/LineText.h"
#include "core/TimeLeft.h"
#include "platform/FileSystem.h"
#include "platform/StandardStreams.h"

#include <QCoreApplication>
#include <algorithm>

namespace brindlecast {

namespace {

QStringList inputsOf(const QList<PlannedFile>& plan)
{
    QStringList inputs;
    inputs.reserve(plan.size());
    for (const PlannedFile& file : plan)
        inputs.append(file.input);
    return inputs;
}

} // namespace

BatchRun::BatchRun(BatchOptions options, QList<PlannedFile> plan, EncodeSettings encoder,
                   BatchRunServices services)
    : m_options(std::move(options)), m_plan(std::move(plan)), m_services(std::move(services)),
      m_files(m_services.conversion, std::move(encoder), inputsOf(m_plan)),
      m_scheduler(m_options.jobs, m_services.conversion.exitCleanup,
                  {m_services.conversion.createChildProcess, m_services.waitForActivity, {}})
{
    m_counts.total = int(m_plan.size());
    m_atFallback.fill(false, m_plan.size());
    for (const PlannedFile& file : m_plan) {
        m_sizes.append(
            std::max<qint64>(0, m_services.conversion.fileSystem.regularFileSize(file.input)));
        m_totalBytes += m_sizes.last();
    }
}

bool BatchRun::run()
{
    showProgress();
    const bool whole =
        m_scheduler.run([this] { return nextJob(); },
                        [this](const ScheduledJob& job, ChildProcess& child, int result) {
                            finished(job.file, m_files.finish(job, child, result));
                        });
    if (m_services.console.errorIsTerminal())
        m_services.console.showStatus(QString());
    return whole;
}

void BatchRun::showProgress()
{
    if (!m_services.console.errorIsTerminal())
        return;
    const double fraction =
        fractionDone(m_doneBytes, m_totalBytes, m_counts.done(), m_counts.total);
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
    // Below the output folder, the layout kept is made without following links.
    auto prepared =
        m_files.prepare({file, planned.input, planned.output, m_options.outputFolder,
                         [this, file](const QString& opened) { return bitRateFor(file, opened); }});
    if (const FileVerdict* verdict = std::get_if<FileVerdict>(&prepared)) {
        finished(file, *verdict);
        return std::nullopt;
    }
    return std::get<ScheduledJob>(std::move(prepared));
}

std::optional<QString> BatchRun::bitRateFor(int file, const QString& openedInput)
{
    if (m_options.bitRateKbps)
        return QStringLiteral("%1k").arg(*m_options.bitRateKbps);
    std::optional<QString> own;
    try {
        own = m_services.inputBitRate(openedInput);
    } catch (const std::exception&) {
        // An answer that does not convert, or no library: the fallback rate, said in the summary.
    }
    m_atFallback[file] = !own.has_value();
    return own.value_or(QStringLiteral("%1k").arg(kFallbackBitRateKbps));
}

void BatchRun::finished(int file, const FileVerdict& verdict)
{
    const PlannedFile& planned = m_plan.at(file);
    // One line per file, whatever the names hold.
    const QString input = escapedForLine(planned.input);
    const QString output = escapedForLine(planned.output);
    TextConsole& console = m_services.console;
    switch (verdict.outcome) {
    case FileVerdict::Outcome::Converted:
        ++m_counts.converted;
        if (m_atFallback.at(file))
            ++m_counts.atFallbackRate;
        // The leading word is for scripts and stays English; what follows is translated.
        console.printLine(QStringLiteral("converted ") +
                          QCoreApplication::translate("BatchRun", "%1 -> %2").arg(input, output));
        break;
    case FileVerdict::Outcome::Skipped:
        ++m_counts.skipped;
        console.printLine(
            QStringLiteral("skipped ") +
            QCoreApplication::translate("BatchRun", "%1 (%2 is up to date)").arg(input, output));
        break;
    case FileVerdict::Outcome::Failed:
        ++m_counts.failed;
        console.printErrorLine(QStringLiteral("failed ") +
                               QCoreApplication::translate("BatchRun", "%1: %2")
                                   .arg(input, escapedForLine(verdict.reason)));
        break;
    }
    m_doneBytes += m_sizes.at(file);
    showProgress();
}

} // namespace brindlecast
