// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "batch/BatchCommand.h"
#include "batch/BatchUsage.h"
#include "filelist/CommandLinePaths.h"
#include "filelist/LeftOutNotice.h"
#include "platform/QtPlatform.h"
#include "platform/StandardStreams.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <cstring>

namespace {

// --help or --version before any "--" is answered without a window.
const char* informationRequest(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return nullptr;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "--version") == 0)
            return argv[i];
    }
    return nullptr;
}

// Without a display: no widget, no GUI application, so it runs over SSH and from cron.
int runWithoutWindow(int argc, char* argv[], const QStringList& commandArguments)
{
    QCoreApplication application(argc, argv);
    brindlecast::QtPlatform platform;
    brindlecast::StandardStreams console;
    brindlecast::BatchEnvironment environment{platform, console, platform.usableProcessors(),
                                              QDir::currentPath()};
    return brindlecast::runBatchCommand(commandArguments, environment);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--convert") == 0) {
        QStringList arguments;
        for (int i = 2; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        return runWithoutWindow(argc, argv, arguments);
    }
    if (const char* request = informationRequest(argc, argv))
        return runWithoutWindow(argc, argv, {QString::fromLatin1(request)});

    QApplication application(argc, argv);
    brindlecast::QtPlatform platform;
    brindlecast::TerminationSignals endOnSignal(
        [&platform](int signalNumber) { platform.endProcessOnSignal(signalNumber); });
    brindlecast::Form1 window(platform);
    window.show();

    // "Open With" passes files (and folders) as arguments: they join the list as a drop would.
    // Their own bytes are read (Qt has taken its options out of argv), so that a name that is not
    // UTF-8 is left out and said rather than turned into a row naming another file.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    int leftOut = 0;
    window.addPathsAsDropped(
        brindlecast::commandLinePaths(arguments, QDir::currentPath(), leftOut));
    if (leftOut > 0)
        window.messageBox(brindlecast::leftOutNotice(leftOut));
    return application.exec();
}
