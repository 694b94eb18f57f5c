#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdlib>

namespace brindlecast {

QString QtPlatform::applicationFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::desktopFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString QtPlatform::environmentVariable(const QString& name) const
{
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

void QtPlatform::endProcessNow()
{
    // Every setting was written when it changed; a running encoder is left to finish on its own.
    std::_Exit(EXIT_SUCCESS);
}

} // namespace brindlecast
