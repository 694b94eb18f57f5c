// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "app/Translations.h"
#include "batch/BatchCommand.h"
#include "batch/BatchOptions.h"
#include "filelist/CommandLinePaths.h"
#include "filelist/LeftOutNotice.h"
#include "platform/QtPlatform.h"
#include "platform/StandardStreams.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>

namespace {

// Without a display: no widget, no GUI application, so it runs over SSH and from cron.
// The arguments after the first `skipped` whose bytes are not valid UTF-8: their text would name
// another file, or none.
QSet<qsizetype> undecodableArguments(int argc, char* argv[], int skipped)
{
    QSet<qsizetype> undecodable;
    for (int i = 1 + skipped; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QFile::encodeName(QFile::decodeName(bytes)) != bytes)
            undecodable.insert(i - 1 - skipped);
    }
    return undecodable;
}

int runWithoutWindow(int argc, char* argv[], const QStringList& commandArguments, int skipped)
{
    QCoreApplication application(argc, argv);
    brindlecast::installTranslations(application);
    brindlecast::QtPlatform platform;
    brindlecast::StandardStreams console;
    brindlecast::BatchEnvironment environment{platform, console, platform.usableProcessors(),
                                              QDir::currentPath(),
                                              undecodableArguments(argc, argv, skipped)};
    return brindlecast::runBatchCommand(commandArguments, environment);
}

} // namespace

int main(int argc, char* argv[])
{
    brindlecast::openClosedStandardStreams();
    QStringList texts;
    for (int i = 1; i < argc; ++i)
        texts << QString::fromLocal8Bit(argv[i]);
    if (!texts.isEmpty() && texts.front() == QLatin1String("--convert"))
        return runWithoutWindow(argc, argv, texts.mid(1), 1);
    // Help and version need no window either, and are spelt as `--convert` takes them.
    if (brindlecast::informationRequest(texts))
        return runWithoutWindow(argc, argv, texts, 0);

    QApplication application(argc, argv);
    brindlecast::installTranslations(application);
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
