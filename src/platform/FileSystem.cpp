// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"

#include <QCoreApplication>
#include <cstring>

namespace brindlecast {

Failure listingFailure(int error, int systemError)
{
    if (error != 0)
        return makeFailure(ErrorNumber(error));
    return Failure(QString::fromLocal8Bit(std::strerror(systemError)), systemError);
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
