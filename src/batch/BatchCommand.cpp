// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchCommand.h"

#include "batch/BatchInputs.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/BatchUsage.h"
#include "convert/AacEncoderChoice.h"
#include "convert/ConversionServices.h"
#include "convert/EncodeVerdict.h"
#include "core/EncoderCommand.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "platform/ChildProcess.h"
#include "platform/EncoderFolders.h"
#include "platform/ExitCleanup.h"
#include "platform/FileSystem.h"
#include "platform/MediaInfoProbe.h"
#include "platform/Platform.h"
#include "platform/StandardStreams.h"
#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

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
                                 text.section(u'\r', 0, 0));
    }

private:
    TextConsole& m_console;
};

int usageError(TextConsole& console, const QString& message)
{
    console.printErrorLine(
        QStringLiteral("%1: %2 (see --help)").arg(QLatin1String(kProgramName), message));
    return kExitUsage;
}

// Puts the encoder in place as the window's run does; throws Failure naming the cause.
DeployedEncoder putEncoderInPlace(const ConversionServices& services, QString& folder)
{
    const QByteArray bytes = services.encoderBuild(encoderBuildFor(services.addressWidth()));
    folder = services.encoderFolders.createFolder(services.temporaryFolder());
    const QString program = services.encoderFolders.deploy(bytes, folder);
    if (!services.encoderFolders.isTrusted(program)) {
        throw Failure(QStringLiteral("the encoder in %1 could have been changed by another user")
                          .arg(folder));
    }
    return {program, keptAacEncoderOf(services, program, bytes)};
}

} // namespace

int runBatchCommand(const QStringList& arguments, BatchEnvironment& environment)
{
    TextConsole& console = environment.console;
    const ConversionServices services = conversionServicesOf(environment.platform);
    const ParsedArguments parsed = parseBatchArguments(arguments);
    if (parsed.action == BatchAction::Help) {
        console.printLine(usageText().chopped(1));
        return kExitAllDone;
    }
    if (parsed.action == BatchAction::Version) {
        console.printLine(versionText());
        return kExitAllDone;
    }
    if (parsed.action == BatchAction::UsageError)
        return usageError(console, parsed.error);

    BatchOptions options = parsed.options;
    if (!options.outputFolder.isEmpty()) {
        options.outputFolder =
            QDir::cleanPath(QDir(environment.currentFolder).absoluteFilePath(options.outputFolder));
        if (!services.fileSystem.isFolder(options.outputFolder)) {
            return usageError(
                console,
                QStringLiteral("the output folder %1 does not exist").arg(options.outputFolder));
        }
    }
    if (options.jobs == 0)
        options.jobs = environment.usableProcessors;

    // From here on SIGINT and SIGTERM end the run in order rather than the process at once.
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
    const QList<BatchInput> inputs = gatherInputs(
        options.paths, options.extension, environment.currentFolder, services.fileSystem, errorBox);
    QList<PlannedFile> plan = planOutputs(inputs, options);

    ExitCleanup& cleanup = services.exitCleanup;
    QString encoderFolder;
    ExitCleanup::Entry removeEncoderOnExit;
    DeployedEncoder encoder;
    if (!plan.isEmpty() && signalNumber == 0) {
        try {
            encoder = putEncoderInPlace(services, encoderFolder);
            removeEncoderOnExit = cleanup.removeFolder(encoderFolder);
        } catch (const Failure& failure) {
            if (!encoderFolder.isEmpty())
                services.encoderFolders.removeFolder(encoderFolder);
            console.printErrorLine(QStringLiteral("%1: the encoder cannot be put in place: %2")
                                       .arg(QLatin1String(kProgramName), failure.description()));
            return kExitNoEncoder;
        }
    }

    BatchRunServices runServices{
        services.fileSystem,
        environment.outputs,
        console,
        cleanup,
        {services.newChildProcess,
         [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }},
        [&services](const QString& input) { return inputBitRate(services.mediaInfo(), input); },
        [&services](int result, const ChildProcess& child, const QString& input,
                    const QString& output) {
            return encodeFailure(result, child, input, output, services.fileSystem,
                                 services.mediaInfo);
        },
        [&services, &encoder] { return services.encoderFolders.isTrusted(encoder.path); },
        [&clock] { return clock.elapsed() / 1000.0; }};
    BatchRun run(options, std::move(plan), encoder, std::move(runServices));
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

    if (!encoderFolder.isEmpty())
        services.encoderFolders.removeFolder(encoderFolder);
    removeEncoderOnExit.release();
    const BatchCounts& counts = run.counts();
    console.printLine(summaryLine(counts, clock.elapsed() / 1000.0));
    if (const QString fallback = fallbackRateLine(counts); !fallback.isEmpty())
        console.printLine(fallback);
    if (!whole)
        return 128 + signalNumber;
    return counts.failed > 0 ? kExitSomeFailed : kExitAllDone;
}

} // namespace brindlecast
