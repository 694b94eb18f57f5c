// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"

#include <QCoreApplication>
#include <cstring>

namespace brindlecast {

QString listingFailureText(int error)
{
    if (error == int(ErrorNumber::PermissionDenied) || error == int(ErrorNumber::PathNotFound))
        return errorText(ErrorNumber(error));
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
