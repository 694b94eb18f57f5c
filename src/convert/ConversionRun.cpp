// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ConversionRun.h"

#include "convert/EncoderPlacement.h"
#include "convert/FileEncoder.h"
#include "convert/WaitAnimation.h"
#include "core/BitRate.h"
#include "core/EncoderCommand.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/FileRows.h"
#include "core/KeptFolders.h"
#include "core/PathHelpers.h"
#include "core/PointerKind.h"
#include "core/ProgressAnimation.h"
#include "core/ProgressDisplay.h"
#include "core/RunReport.h"
#include "core/StepReporter.h"
#include "core/TimeLeft.h"
#include "platform/ChildProcess.h"
#include "platform/EncoderFolders.h"
#include "platform/FileSystem.h"
#include "platform/MediaInfoProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScopeGuard>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace brindlecast {

struct ConversionRun::RunState {
    RunState(const ConversionChoices& chosen, StepReporter& stepReporter)
        : choices(chosen), steps(stepReporter)
    {
    }

    const ConversionChoices& choices;
    StepReporter& steps;
    DeployedEncoder encoder;
    QStringList inputs;      // the rows as they stood when the run started
    QStringList baseFolders; // by row
    int fileCount = 0;
    int nextRow = 1;
    std::optional<FileEncoder> files;
    QList<std::optional<FileVerdict>> verdicts; // by row; none for a file the stop left
    QList<bool> atListRate;
    QSet<QString> probeFailuresShown; // by description
    // The bar's sign of life follows the file started last.
    std::optional<WaitAnimation> animation;
    int animatedRow = 0;
    // The share done goes by input size.
    QList<qint64> inputBytes;
    qint64 totalBytes = 0;
    qint64 doneBytes = 0;
    int filesEnded = 0;
    QElapsedTimer clock;
};

ConversionRun::ConversionRun(ConversionTargets targets) : m_targets(std::move(targets)) {}

ConversionRun::~ConversionRun() = default;

// Every step carries its location number, the one the error box names when the step fails: the
// StepReporter calls pass it, and the few steps that cannot fail keep it in a trailing comment.
void ConversionRun::start(const ConversionChoices& choices)
{
    if (m_converting) // 100
        return;
    m_converting = true; // 102
    m_stopping = false;
    struct ClearFlag {
        bool& flag;
        ~ClearFlag() { flag = false; } // 170, however the run ends
    } clearFlag{m_converting};

    ConversionServices& services = m_targets.services;
    StepReporter steps(services.errorBox, form1LocationText(QStringLiteral("PushButton2_Click")));
    ProgressDisplay& bar = m_targets.progress;

    if (!steps.check(104, [&] { return m_targets.rows.rowCount() > 0; })) {
        steps.run(168, [&] {
            m_targets.messageBox(QCoreApplication::translate("ConversionRun", "No files added."));
        });
        return;
    }
    if (!steps.check(106, [&] {
            return services.fileSystem.isFolder(choices.outputFolder) || choices.saveBesideInput;
        })) {
        // Bytes that are no UTF-8 do not survive into a name that can be opened again.
        const bool undecodable = choices.outputFolder.contains(QChar::ReplacementCharacter);
        steps.run(166, [&] {
            m_targets.messageBox(
                undecodable
                    ? QCoreApplication::translate(
                          "ConversionRun", "The folder's name is not valid UTF-8. Please select "
                                           "another folder.")
                    : QCoreApplication::translate(
                          "ConversionRun", "Folder does not exist. Please select another folder."));
        });
        return;
    }
    steps.run(108, [&] { m_targets.pointer.setMousePointer(PointerBusy); });
    const auto showConverting = [this](bool converting) {
        if (m_targets.convertingChanged)
            m_targets.convertingChanged(converting);
    };
    showConverting(true);
    // However the run ends, the window is told that it has.
    auto showEnded = qScopeGuard([&] { showConverting(false); });

    // Whether the encoder can be used is settled before any row is touched.
    RunState run(choices, steps);
    const std::optional<QString> unusable = putEncoderInPlace(
        services, m_aacEncoders,
        [&steps](int location, const std::function<void()>& action) {
            return steps.failureOf(location, action);
        },
        run.encoder);

    // The run converts the rows as they stand now, each once: rows added, moved or removed while
    // it works shape the next run.
    steps.run(122, [&] {
        const FileRows& rows = m_targets.rows;
        for (int row = 1; row <= rows.rowCount(); ++row) {
            run.inputs.append(rows.rowText(row));
            run.baseFolders.append(rows.rowBaseFolder(row));
        }
    });
    run.fileCount = int(run.inputs.size());
    run.clock.start();
    for (const QString& input : std::as_const(run.inputs)) {
        run.inputBytes.append(std::max<qint64>(0, services.fileSystem.regularFileSize(input)));
        run.totalBytes += run.inputBytes.last();
    }
    reportProgress(run, {});
    RunReport report;
    if (unusable)
        report.setEncoderUnusable(*unusable);
    else
        convertRows(run);

    steps.run(156, [&] {
        if (!run.encoder.folder.isEmpty())
            services.encoderFolders.removeFolder(run.encoder.folder);
        run.encoder.removeOnExit.release();
    });
    steps.run(158, [&] { m_targets.pointer.setMousePointer(PointerDefault); });
    steps.run(160, [&] { bar.setRealValue(0); });
    steps.run(162,
              [&] { bar.setText(QCoreApplication::translate("ProgressBar", "Progress Bar")); });
    showEnded.dismiss();
    showConverting(false);
    RunProgress outcome;
    outcome.ended = true;
    outcome.failed = unusable ? run.fileCount : 0;
    bool wroteOutput = false;
    // In the list's order, however the encodes overlapped.
    for (int row = 1; row <= run.fileCount && !unusable; ++row) {
        const std::optional<FileVerdict>& verdict = run.verdicts[row - 1];
        if (!verdict)
            continue;
        if (verdict->outcome == FileVerdict::Outcome::Failed) {
            report.addFailure(run.inputs[row - 1], verdict->reason);
            ++outcome.failed;
        } else {
            report.addConverted();
            ++outcome.converted;
            wroteOutput = wroteOutput || verdict->outcome == FileVerdict::Outcome::Converted;
            if (run.atListRate[row - 1])
                report.addListRateFile(choices.bitRateEntry);
        }
    }
    if (m_stopping)
        report.setStopped();
    reportProgress(run, outcome);
    // Only a folder of the user's choosing is offered; beside the inputs there may be many.
    const QString offered = choices.saveToFolder && wroteOutput ? choices.outputFolder : QString();
    steps.run(164, [&] {
        const QString text = report.closingMessage(run.fileCount);
        if (m_targets.closingMessage)
            m_targets.closingMessage(text, offered);
        else
            m_targets.messageBox(text);
    });
}

void ConversionRun::fileEnded(int row, RunState& run)
{
    ++run.filesEnded;
    run.doneBytes += run.inputBytes.value(row - 1);
    reportProgress(run, {});
}

void ConversionRun::reportProgress(const RunState& run, const RunProgress& progress) const
{
    if (!m_targets.onProgress)
        return;
    RunProgress told = progress;
    told.filesEnded = run.filesEnded;
    told.fileCount = run.fileCount;
    told.fractionDone = fractionDone(run.doneBytes, run.totalBytes, run.filesEnded, run.fileCount);
    told.elapsedSeconds = double(run.clock.elapsed()) / 1000.0;
    m_targets.onProgress(told);
}

void ConversionRun::convertRows(RunState& run)
{
    ConversionServices& services = m_targets.services;
    run.verdicts.resize(run.fileCount);
    run.atListRate.fill(false, run.fileCount);
    run.files.emplace(services, EncodeSettings{run.encoder.program, run.encoder.codec}, run.inputs);

    JobScheduler scheduler(run.choices.encodersAtOnce, services.exitCleanup,
                           {services.createChildProcess,
                            [this, &run] {
                                const bool cycleEnded = waitOneCycle();
                                QCoreApplication::processEvents();
                                if (cycleEnded && run.animation)
                                    run.animation->nextCycle();
                            },
                            [this] {
                                if (m_waiting)
                                    m_waiting->quit();
                            }});
    m_scheduler = &scheduler;
    if (m_stopping)
        scheduler.interrupt();
    scheduler.run(
        [this, &run]() -> std::optional<ScheduledJob> {
            while (run.nextRow <= run.fileCount && !m_stopping) { // 154
                if (std::optional<ScheduledJob> job = prepareRow(run.nextRow++, run))
                    return job;
            }
            return std::nullopt;
        },
        [this, &run](const ScheduledJob& job, ChildProcess& child, int result) {
            const FileVerdict verdict = run.files->finish(job, child, result);
            if (verdict.replaceFailed)
                run.steps.report(verdict.reason, 142);
            if (job.file == run.animatedRow && run.animation) {
                run.animation->finish();
                run.animation.reset();
            }
            run.verdicts[job.file - 1] = verdict;
            fileEnded(job.file, run);
        });
    m_scheduler = nullptr;
}

std::optional<ScheduledJob> ConversionRun::prepareRow(int row, RunState& run)
{
    ProgressDisplay& bar = m_targets.progress;
    StepReporter& steps = run.steps;
    const ConversionChoices& choices = run.choices;
    const QString input = run.inputs[row - 1]; // 124
    // Of the run's own files, whatever the list shows meanwhile.
    steps.run(126, [&] { bar.setRealValue(double(row) / run.fileCount * 100.0); });
    steps.run(128, [&] {
        bar.setText(QCoreApplication::translate("ProgressBar", "Processing: %1")
                        .arg(FileNameOfPath(input)));
    });
    QCoreApplication::processEvents(); // 130
    if (m_stopping)
        return std::nullopt;
    steps.run(132, [&] { m_targets.pointer.setMousePointer(PointerBusy); });

    // A step that makes no output name or no bit rate for this file skips it: the values of the
    // previous file would overwrite that file's result.
    std::optional<QString> output;
    // The folder the user named; the subfolders kept below it are made without following links.
    QString outputRoot;
    if (steps.check(134, [&] { return choices.saveToFolder; })) {
        steps.run(136, [&] {
            output = outputInFolder(choices.outputFolder, input, run.baseFolders[row - 1],
                                    choices.keepFolders);
            outputRoot = outputRootOf(choices.outputFolder);
        });
    } else if (steps.check(138, [&] { return choices.saveBesideInput; })) {
        steps.run(140, [&] { output = outputPathIn(FolderOfPath(input), input); });
    }
    if (!output) {
        run.verdicts[row - 1] = FileVerdict::failed(
            QCoreApplication::translate("ConversionRun", "no output file name could be made"));
        fileEnded(row, run);
        return std::nullopt;
    }

    // 142 is the rename of the whole new output over the old one, once the encode is judged.
    auto prepared =
        run.files->prepare({row, input, *output, outputRoot,
                            [&](const QString& opened) { return bitRateFor(row, opened, run); }});
    if (FileVerdict* verdict = std::get_if<FileVerdict>(&prepared)) {
        run.verdicts[row - 1] = *verdict;
        fileEnded(row, run);
        return std::nullopt;
    }
    // 152: the encode starts; the bar's counter and band are this file's from now on.
    run.animation.emplace(bar, bar.text(), bar.wholeValue(), run.fileCount);
    run.animatedRow = row;
    return std::get<ScheduledJob>(std::move(prepared));
}

std::optional<QString> ConversionRun::bitRateFor(int row, const QString& openedInput, RunState& run)
{
    StepReporter& steps = run.steps;
    const ConversionChoices& choices = run.choices;
    std::optional<QString> bitRate;
    if (steps.check(144, [&] { return choices.sameBitRateAsInput; })) {
        // The list's entry first: when the input's own rate cannot be read, the file is
        // converted at that rate.
        bitRate = getBitRate(choices.bitRateEntry);
        run.atListRate[row - 1] = !probeInputBitRate(openedInput, *bitRate, run);
    } else if (steps.check(148, [&] { return choices.constantBitRate; })) {
        steps.run(150, [&] { bitRate = getBitRate(choices.bitRateEntry); });
    }
    return bitRate;
}

bool ConversionRun::probeInputBitRate(const QString& input, QString& bitRate, RunState& run)
{
    std::optional<QString> own;
    // A library that cannot be used fails alike for every file: one box says so, for the first.
    // A different cause gets its own box.
    std::optional<QString> failure;
    try {
        own = inputBitRate(m_targets.services.mediaInfo(), input);
    } catch (const Failure& caught) {
        failure = caught.description();
    } catch (const std::exception& caught) {
        failure = QString::fromLocal8Bit(caught.what());
    }
    if (failure && !run.probeFailuresShown.contains(*failure)) {
        run.probeFailuresShown.insert(*failure);
        run.steps.report(*failure, 146);
    }
    if (own)
        bitRate = *own;
    return own.has_value();
}

bool ConversionRun::waitOneCycle()
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QEventLoop* const outer = std::exchange(m_waiting, &loop);
    timer.start(kWaitCycleMs);
    loop.exec();
    m_waiting = outer;
    return timedOut;
}

void ConversionRun::stop()
{
    if (!m_converting)
        return;
    m_stopping = true;
    if (m_scheduler)
        m_scheduler->interrupt();
    if (m_waiting)
        m_waiting->quit();
}

} // namespace brindlecast
