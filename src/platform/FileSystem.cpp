#include "platform/FileSystem.h"

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

} // namespace brindlecast
