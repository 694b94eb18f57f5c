// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchCommand.h"

#include "batch/BatchInputs.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/BatchUsage.h"
#include "convert/AacEncoderChoice.h"
#include "convert/ConversionServices.h"
#include "convert/EncoderPlacement.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/LineText.h"
#include "platform/EncoderFolders.h"
#include "platform/FileSystem.h"
#include "platform/MediaInfoProbe.h"
#include "platform/StandardStreams.h"
#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSet>
#include <QTimer>
#include <algorithm>
#include <cstring>

namespace brindlecast {

namespace {

constexpr int kProgressTickMs = 250;

// A failed step of the folder scan is one line on the error output, not a box.
class ConsoleErrorBox final : public ErrorBox {
public:
    explicit ConsoleErrorBox(TextConsole& console) : m_console(console) {}
    void showErrorBox(const QString& text) override
    {
        m_console.printErrorLine(QLatin1String(kProgramName) + QStringLiteral(": ") +
                                 escapedForLine(text.section(u'\r', 0, 0)));
    }

private:
    TextConsole& m_console;
};

int usageError(TextConsole& console, const QString& message)
{
    console.printErrorLine(QCoreApplication::translate("BatchCommand", "%1: %2 (see --help)")
                               .arg(QLatin1String(kProgramName), escapedForLine(message)));
    return kExitUsage;
}

// --help and --version; nullopt for a request to convert.
std::optional<int> answerWithoutConverting(const ParsedArguments& parsed, TextConsole& console)
{
    switch (parsed.action) {
    case BatchAction::Help:
        console.printLine(usageText().chopped(1));
        return kExitAllDone;
    case BatchAction::Version:
        console.printLine(versionText());
        return kExitAllDone;
    case BatchAction::UsageError:
        return usageError(console, parsed.error);
    case BatchAction::Convert:
        break;
    }
    return std::nullopt;
}

// The output folder made absolute, and the jobs counted; a usage error's status otherwise.
std::optional<int> completeOptions(BatchOptions& options, const BatchEnvironment& environment,
                                   const FileSystem& fileSystem)
{
    if (!options.outputFolder.isEmpty()) {
        options.outputFolder =
            QDir::cleanPath(QDir(environment.currentFolder).absoluteFilePath(options.outputFolder));
        if (!fileSystem.isFolder(options.outputFolder)) {
            const QString problem =
                fileSystem.exists(options.outputFolder)
                    ? QCoreApplication::translate("BatchCommand",
                                                  "the output folder %1 is not a folder")
                    : QCoreApplication::translate("BatchCommand",
                                                  "the output folder %1 does not exist");
            return usageError(environment.console, problem.arg(options.outputFolder));
        }
    }
    if (options.jobs == 0)
        options.jobs = environment.usableProcessors;
    return std::nullopt;
}

// Puts the encoder in place as the window's run does; false after saying why it cannot be.
bool placeEncoder(const ConversionServices& services, TextConsole& console,
                  DeployedEncoder& encoder)
{
    AacEncoderChoice aacEncoders;
    const std::optional<QString> failure = putEncoderInPlace(
        services, aacEncoders,
        [](int location, const std::function<void()>& action) -> std::optional<QString> {
            try {
                action();
                return std::nullopt;
            } catch (const Failure& caught) {
                // The processor's width only picks the build: without it the 32-bit one is used.
                return location == 110 ? std::nullopt : std::optional(caught.description());
            }
        },
        encoder);
    if (!failure)
        return true;
    if (!encoder.folder.isEmpty())
        services.encoderFolders.removeFolder(encoder.folder);
    encoder.removeOnExit.release();
    console.printErrorLine(
        QCoreApplication::translate("BatchCommand", "%1: the encoder cannot be put in place: %2")
            .arg(QLatin1String(kProgramName), escapedForLine(*failure)));
    return false;
}

// Files and folders that no text can name are never converted as another file.
QString leftOutText(int count)
{
    // English says one file apart; the other languages choose their plural forms by %n.
    return count == 1
               ? QCoreApplication::translate(
                     "BatchCommand", "1 file or folder was left out: its name is not valid UTF-8")
               : QCoreApplication::translate(
                     "BatchCommand",
                     "%n files or folders were left out: their names are not valid UTF-8", "",
                     count);
}

// An earlier run's output is no input of a run that writes it again: a rerun converts the
// inputs, never what it wrote from them last time.
QList<PlannedFile> withoutOutputsOfThisRun(QList<PlannedFile> plan)
{
    QSet<QString> outputs;
    for (const PlannedFile& file : plan)
        outputs.insert(file.output);
    plan.removeIf([&outputs](const PlannedFile& file) {
        return file.input != file.output && outputs.contains(file.input);
    });
    return plan;
}

void printSummary(TextConsole& console, const BatchCounts& counts, double seconds)
{
    console.printLine(summaryLine(counts, seconds));
    if (const QString fallback = fallbackRateLine(counts); !fallback.isEmpty())
        console.printLine(fallback);
}

// The work of runBatchCommand, before its lines are known to have been written.
int convertAsAsked(const QStringList& arguments, BatchEnvironment& environment)
{
    TextConsole& console = environment.console;
    const ConversionServices services = conversionServicesOf(environment.platform);
    const ParsedArguments parsed = parseBatchArguments(arguments, environment.undecodableArguments);
    if (const std::optional<int> answered = answerWithoutConverting(parsed, console))
        return *answered;
    BatchOptions options = parsed.options;
    if (const std::optional<int> refused =
            completeOptions(options, environment, services.fileSystem))
        return *refused;

    // From here on SIGHUP, SIGINT and SIGTERM end the run in order rather than the process at once.
    int signalNumber = 0;
    BatchRun* current = nullptr;
    TerminationSignals endOnSignal([&](int number) {
        signalNumber = number;
        if (current)
            current->interrupt();
    });

    QElapsedTimer clock;
    clock.start();
    ConsoleErrorBox errorBox(console);
    int leftOut = options.undecodablePaths;
    QList<PlannedFile> plan = withoutOutputsOfThisRun(
        planOutputs(gatherInputs(options.paths, options.extension, environment.currentFolder,
                                 services.fileSystem, errorBox, &leftOut, options.outputFolder),
                    options));
    if (leftOut > 0)
        console.printErrorLine(QLatin1String(kProgramName) + QStringLiteral(": ") +
                               leftOutText(leftOut));

    DeployedEncoder encoder;
    if (!plan.isEmpty() && signalNumber == 0 && !placeEncoder(services, console, encoder))
        return kExitNoEncoder;

    BatchRun run(
        options, std::move(plan),
        {encoder.program, encoder.codec, options.format, options.skipExisting},
        {services, console, [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); },
         [&services](const QString& input) { return inputBitRate(services.mediaInfo(), input); },
         [&clock] { return clock.elapsed() / 1000.0; }});
    current = &run;
    if (signalNumber != 0)
        run.interrupt();
    // Wakes the wait for the encoders now and then, and keeps the elapsed time moving.
    QTimer tick;
    tick.setInterval(kProgressTickMs);
    QObject::connect(&tick, &QTimer::timeout, [&run] { run.showProgress(); });
    tick.start();
    const bool whole = run.run();
    tick.stop();
    current = nullptr;

    if (!encoder.folder.isEmpty())
        services.encoderFolders.removeFolder(encoder.folder);
    encoder.removeOnExit.release();
    printSummary(console, run.counts(), clock.elapsed() / 1000.0);
    if (!whole)
        return 128 + signalNumber;
    return run.counts().failed > 0 || leftOut > 0 ? kExitSomeFailed : kExitAllDone;
}

} // namespace

int runBatchCommand(const QStringList& arguments, BatchEnvironment& environment)
{
    const int status = convertAsAsked(arguments, environment);
    // Lines that did not reach a full disk or a closed pipe are no success, as in every tool.
    TextConsole& console = environment.console;
    if (const int error = console.outputWriteError()) {
        console.printErrorLine(
            QCoreApplication::translate("BatchCommand", "%1: write error: %2")
                .arg(QLatin1String(kProgramName), QString::fromLocal8Bit(std::strerror(error))));
        return std::max(status, kExitSomeFailed);
    }
    return status;
}

} // namespace brindlecast
