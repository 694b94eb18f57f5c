// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileSystem.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"

#include <QCoreApplication>
#include <QFile>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace brindlecast {

Failure listingFailure(int error, int systemError)
{
    if (error != 0)
        return makeFailure(ErrorNumber(error));
    return Failure(QString::fromLocal8Bit(std::strerror(systemError)), systemError);
}

UniqueFd FileSystem::openRegularFile(const QString& path) const
{
    UniqueFd file(::open(QFile::encodeName(path).constData(),
                         O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return UniqueFd();
    // Reading a regular file never waits; the flag only kept the open from waiting on a pipe.
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
    return file;
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
