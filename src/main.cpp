#include "app/Form1.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    brindlecast::QtPlatform platform;
    brindlecast::Form1 window(platform);
    window.show();
    return application.exec();
}
