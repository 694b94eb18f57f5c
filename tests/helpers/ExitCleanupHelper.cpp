// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the program in the middle of a run, for the exit cleanup tests: it holds a
// running child writing into a folder, a partial output and an encoder folder in its exit
// cleanup, prints "ready" and the child's process id, and then ends as the program does on SIGTERM
// or SIGINT, or, when a line arrives on its input, as it does when its window is closed.
//
//   exit_cleanup_helper <work folder>
#include "platform/ChildProcess.h"
#include "platform/EncoderDeployment.h"
#include "platform/QtPlatform.h"
#include "platform/TerminationSignals.h"
#include "support/ProcessWatch.h"

#include <QApplication>
#include <QFile>
#include <QSocketNotifier>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    using namespace brindlecast;
    using brindlecast::test::childrenOf;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const QString work = QFile::decodeName(argv[1]);
    QtPlatform platform;
    TerminationSignals endOnSignal(
        [&platform](int signalNumber) { platform.endProcessOnSignal(signalNumber); });

    const QString encoderFolder = createEncoderFolder(work);
    deployEncoder("#!/bin/sh\n", encoderFolder);
    const QString partial = work + QStringLiteral("/partial.aac");
    QFile(partial).open(QIODevice::WriteOnly);
    const auto child = platform.createChildProcess();
    if (child->start({QStringLiteral("/usr/bin/tail"), {QStringLiteral("-f"), partial}}) != 0)
        return 3;
    ExitCleanup& cleanup = platform.exitCleanup();
    const ExitCleanup::Entry endChild = cleanup.endChild(*child);
    const ExitCleanup::Entry removePartial = cleanup.removeFile(partial);
    const ExitCleanup::Entry removeEncoder = cleanup.removeFolder(encoderFolder);

    // The child is the only process this one started.
    const std::vector<pid_t> children = childrenOf(::getpid());
    if (children.size() != 1)
        return 4;

    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated,
                     [&platform] { platform.endProcessNow(); });
    std::printf("ready %d\n", int(children.front()));
    std::fflush(stdout);
    return application.exec();
}
