// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ConversionRun.h"

#include "convert/EncodeVerdict.h"
#include "convert/ProcessRunner.h"
#include "core/BitRate.h"
#include "core/EncoderCommand.h"
#include "core/ErrorNumbers.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/FileRows.h"
#include "core/PathHelpers.h"
#include "core/PointerKind.h"
#include "core/ProgressAnimation.h"
#include "core/ProgressDisplay.h"
#include "core/RunReport.h"
#include "core/StepReporter.h"
#include "platform/ChildProcess.h"
#include "platform/EncoderFolders.h"
#include "platform/ExitCleanup.h"
#include "platform/FileSystem.h"
#include "platform/MediaInfoProbe.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <optional>

namespace brindlecast {

struct ConversionRun::RunState {
    ConversionChoices choices;
    QString encoderFolder; // this run's own, made afresh
    ExitCleanup::Entry removeEncoderOnExit;
    QString encoder; // the program to run
    QString codec = QString::fromLatin1(kNativeAacEncoder);
    QStringList inputs; // the rows as they stood when the run started
    int fileCount = 0;
    RunReport report;
    QSet<QString> probeFailuresShown; // by description
    // The outputs this run wrote, by lower-case file name: no later row may replace them.
    QHash<QString, QStringList> written;

    std::optional<QString> writtenEarlier(const QString& output, const FileSystem& fileSystem) const
    {
        for (const QString& path : written.value(FileNameOfPath(output).toLower())) {
            if (fileSystem.isSameFile(path, output))
                return path;
        }
        return std::nullopt;
    }
};

namespace {

// "/a/b" of "/a/b/c.aac"; "/" of "/c.aac".
QString folderWithoutSeparator(const QString& path)
{
    const qsizetype last = path.lastIndexOf(kNativeSeparator);
    return last <= 0 ? QString(kNativeSeparator) : path.left(last);
}

} // namespace

ConversionRun::ConversionRun(ConversionTargets targets) : m_targets(std::move(targets)) {}

// Every step carries its location number, the one the error box names when the step fails: the
// StepReporter calls pass it, and the few steps that cannot fail keep it in a trailing comment.
void ConversionRun::PushButton2_Click(const ConversionChoices& choices)
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
        steps.run(168, [&] { m_targets.messageBox(QStringLiteral("No files added.")); });
        return;
    }
    if (!steps.check(106, [&] {
            return services.fileSystem.isFolder(choices.outputFolder) || choices.saveBesideInput;
        })) {
        steps.run(166, [&] {
            m_targets.messageBox(
                QStringLiteral("Folder does not exist. Please select another folder."));
        });
        return;
    }
    steps.run(108, [&] { m_targets.pointer.setMousePointer(PointerBusy); });

    const QString addressWidth =
        steps.value(110, QString(), [&] { return services.addressWidth(); });
    QByteArray encoderData;
    const int build = encoderBuildFor(addressWidth); // 112

    // Whether the encoder can be used is settled before any row is touched: a run that cannot
    // encode must not delete the old outputs that nothing would replace.
    RunState run;
    run.choices = choices;
    std::optional<QString> unusable = steps.failureOf(
        build == 102 ? 114 : 116, [&] { encoderData = services.encoderBuild(build); });
    EncoderFolders& encoderFolders = services.encoderFolders;
    if (!unusable) {
        unusable = steps.failureOf(118, [&] {
            run.encoderFolder = encoderFolders.createFolder(services.temporaryFolder());
            run.removeEncoderOnExit = services.exitCleanup.removeFolder(run.encoderFolder);
            run.encoder = encoderFolders.deploy(encoderData, run.encoderFolder);
        });
    }
    if (!unusable) {
        unusable = steps.failureOf(120, [&] {
            if (!encoderFolders.isTrusted(run.encoder)) {
                throw Failure(QStringLiteral("The encoder %1 could have been changed by "
                                             "another user, so it was not run")
                                  .arg(run.encoder));
            }
            run.codec = m_aacEncoders.forBuild(services, run.encoder, encoderData);
        });
    }

    // The run converts the rows as they stand now, each once: rows added, moved or removed while
    // it works shape the next run.
    steps.run(122, [&] {
        const FileRows& rows = m_targets.rows;
        for (int row = 1; row <= rows.rowCount(); ++row)
            run.inputs.append(rows.rowText(row));
    });
    run.fileCount = int(run.inputs.size());
    if (unusable) {
        run.report.setEncoderUnusable(*unusable);
    } else {
        for (int row = 1; row <= run.fileCount && !m_stopping; ++row) // 154
            convertRow(row, steps, run);
    }

    steps.run(156, [&] {
        if (!run.encoderFolder.isEmpty())
            encoderFolders.removeFolder(run.encoderFolder);
    });
    steps.run(158, [&] { m_targets.pointer.setMousePointer(PointerDefault); });
    steps.run(160, [&] { bar.setRealValue(0); });
    steps.run(162, [&] { bar.setText(QStringLiteral("Progress Bar")); });
    if (m_stopping)
        run.report.setStopped();
    steps.run(164, [&] { m_targets.messageBox(run.report.closingMessage(run.fileCount)); });
}

void ConversionRun::convertRow(int row, StepReporter& steps, RunState& run)
{
    ProgressDisplay& bar = m_targets.progress;
    FileSystem& fileSystem = m_targets.services.fileSystem;
    const ConversionChoices& choices = run.choices;
    const QString input = run.inputs[row - 1]; // 124
    // Of the run's own files, whatever the list shows meanwhile.
    steps.run(126, [&] { bar.setRealValue(double(row) / run.fileCount * 100.0); });
    steps.run(128, [&] { bar.setText(QStringLiteral("Processing: ") + FileNameOfPath(input)); });
    QCoreApplication::processEvents(); // 130
    steps.run(132, [&] { m_targets.pointer.setMousePointer(PointerBusy); });

    // A step that makes no output name or no bit rate for this file skips it: the values of the
    // previous file would overwrite that file's result.
    std::optional<QString> output;
    if (steps.check(134, [&] { return choices.saveToFolder; }))
        steps.run(136, [&] { output = outputPathIn(choices.outputFolder, input); });
    else if (steps.check(138, [&] { return choices.saveBesideInput; }))
        steps.run(140, [&] { output = outputPathIn(FolderOfPath(input), input); });
    if (!output) {
        run.report.addFailure(input, QStringLiteral("no output file name could be made"));
        return;
    }
    // The encoder would wait for ever on a pipe; a missing input leaves any old output alone.
    if (!fileSystem.isRegularFile(input)) {
        run.report.addFailure(input, QStringLiteral("the input is missing or not a regular file"));
        return;
    }
    if (fileSystem.isSameFile(input, *output)) {
        run.report.addFailure(input,
                              QStringLiteral("the output file would replace the input file"));
        return;
    }

    // Two inputs of one name into one folder: the later one would replace the earlier's result.
    if (const std::optional<QString> earlier = run.writtenEarlier(*output, fileSystem)) {
        run.report.addFailure(
            input, QStringLiteral("another file of this run already wrote %1").arg(*earlier));
        return;
    }
    // Checked again for every file, before its old output goes.
    if (!m_targets.services.encoderFolders.isTrusted(run.encoder)) {
        run.report.addFailure(input, QStringLiteral("the encoder could have been changed by "
                                                    "another user, so it was not run"));
        return;
    }
    // The encoder could not write there either, and its error would not say where.
    const QString refusal = fileSystem.writeRefusal(folderWithoutSeparator(*output));
    if (!refusal.isEmpty()) {
        run.report.addFailure(input, QStringLiteral("cannot write into %1 (%2)")
                                         .arg(folderWithoutSeparator(*output), refusal));
        return;
    }
    steps.run(142, [&] { fileSystem.removeFileQuietly(*output); });
    // The encoder would stop to ask about a file it may not replace; nobody could answer.
    if (fileSystem.isPresent(*output)) {
        run.report.addFailure(
            input, QStringLiteral("the old output file %1 could not be removed").arg(*output));
        return;
    }

    bool atListRate = false;
    std::optional<QString> bitRate;
    if (steps.check(144, [&] { return choices.sameBitRateAsInput; })) {
        // The list's entry first: when the input's own rate cannot be read, the file is
        // converted at that rate.
        bitRate = getBitRate(choices.bitRateEntry);
        atListRate = !probeInputBitRate(input, *bitRate, steps, run);
    } else if (steps.check(148, [&] { return choices.constantBitRate; })) {
        steps.run(150, [&] { bitRate = getBitRate(choices.bitRateEntry); });
    }
    if (!bitRate) {
        run.report.addFailure(input, QStringLiteral("no bit rate could be worked out"));
        return;
    }
    if (encode(input, *output, *bitRate, steps, run) && atListRate)
        run.report.addListRateFile(choices.bitRateEntry);
}

bool ConversionRun::probeInputBitRate(const QString& input, QString& bitRate, StepReporter& steps,
                                      RunState& run)
{
    std::optional<QString> own;
    const auto probe = [&] { own = inputBitRate(m_targets.services.mediaInfo(), input); };
    // A library that cannot be used fails alike for every file: one box says so, for the first.
    // A different cause gets its own box.
    std::optional<QString> failure;
    try {
        probe();
    } catch (const Failure& caught) {
        failure = caught.description();
    } catch (const std::exception& caught) {
        failure = QString::fromLocal8Bit(caught.what());
    }
    if (failure && !run.probeFailuresShown.contains(*failure)) {
        run.probeFailuresShown.insert(*failure);
        steps.report(*failure, 146);
    }
    if (own)
        bitRate = *own;
    return own.has_value();
}

bool ConversionRun::encode(const QString& input, const QString& output, const QString& bitRate,
                           StepReporter& steps, RunState& run)
{
    ProgressDisplay& bar = m_targets.progress;
    ConversionServices& services = m_targets.services;
    std::optional<QString> failure;
    // Should the program end meanwhile, the encoder is ended and what it wrote goes, until the
    // output has been found whole or has been removed.
    ExitCleanup& cleanup = services.exitCleanup;
    ExitCleanup::Entry removeOutputOnExit;
    const bool ran = steps.run(152, [&] {
        const EncoderCommand command =
            buildEncoderCommand(run.encoder, input, bitRate, run.codec, output);
        m_lastCommandText = command.text;
        const auto process = services.newChildProcess();
        const ExitCleanup::Entry endOnExit = cleanup.endChild(*process);
        removeOutputOnExit = cleanup.removeFile(output);
        m_runningChild = process.get();
        struct Forget {
            ChildProcess*& child;
            ~Forget() { child = nullptr; }
        } forget{m_runningChild};
        const int result = RunProcessWithProgress(*process, command.process, &bar, bar.text(),
                                                  bar.wholeValue(), run.fileCount);
        failure =
            encodeFailure(result, *process, input, output, services.fileSystem, services.mediaInfo);
    });
    if (!ran && !failure)
        failure = QStringLiteral("the encoder run failed");
    // An encode ended by a stop is no failure of the file's, and its partial output goes too.
    if (m_stopping && failure) {
        if (services.fileSystem.isPresent(output))
            services.fileSystem.removeFileQuietly(output);
        return false;
    }
    if (failure) {
        // Whatever is at the output path now was written by this encode: the old file was
        // removed before it started, and the input is never at that path.
        if (services.fileSystem.isPresent(output))
            services.fileSystem.removeFileQuietly(output);
        run.report.addFailure(input, *failure);
        return false;
    }
    removeOutputOnExit.release();
    run.written[FileNameOfPath(output).toLower()].append(output);
    run.report.addConverted();
    return true;
}

void ConversionRun::stop()
{
    if (!m_converting)
        return;
    m_stopping = true;
    if (m_runningChild)
        m_runningChild->endNow();
}

} // namespace brindlecast
