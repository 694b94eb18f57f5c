#include "platform/FileSystem.h"

#include "core/Failure.h"

#include <QCoreApplication>
#include <cstring>

namespace brindlecast {

QString listingFailureText(int error)
{
    if (error == kPermissionDenied)
        return QStringLiteral("Permission denied");
    if (error == kPathNotFound)
        return QStringLiteral("Path not found");
    return QString::fromLocal8Bit(std::strerror(error));
}

void FileSystem::removeFileQuietly(const QString& path)
{
    QCoreApplication::processEvents();
    try {
        removeFile(path);
    } catch (const Failure&) {
    }
}

} // namespace brindlecast
