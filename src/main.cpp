#include "app/Form1.h"
#include "filelist/CommandLinePaths.h"
#include "filelist/LeftOutNotice.h"
#include "platform/QtPlatform.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
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
