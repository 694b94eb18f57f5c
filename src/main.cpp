#include "app/Form1.h"
#include "platform/QtPlatform.h"
#include "platform/TerminationSignals.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    brindlecast::QtPlatform platform;
    brindlecast::TerminationSignals endOnSignal(
        [&platform](int signalNumber) { platform.endProcessOnSignal(signalNumber); });
    brindlecast::Form1 window(platform);
    window.show();
    return application.exec();
}
