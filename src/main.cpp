#include "app/Form1.h"
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
    QStringList paths;
    for (const QString& argument : application.arguments().mid(1))
        paths << QDir::current().absoluteFilePath(argument);
    window.addPathsAsDropped(paths);
    return application.exec();
}
