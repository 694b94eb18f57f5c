// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileOperations.h"

#include "core/ErrorNumbers.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

namespace {

bool statPath(const QString& path, struct stat& info)
{
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

bool FileExists(const QString& path)
{
    struct stat info {};
    return statPath(path, info);
}

bool FolderExists(const QString& path)
{
    struct stat info {};
    return statPath(path, info) && S_ISDIR(info.st_mode);
}

void DeleteFileQuietly(const QString& path)
{
    QCoreApplication::processEvents();
    try {
        DeleteFileForced(path);
    } catch (const Failure&) {
        // Quiet by contract: callers that care check afterwards whether the file is gone.
    }
}

void DeleteFileForced(const QString& path)
{
    // A file's own write bit does not guard its removal on POSIX, so one unlink also removes
    // read-only files; only the folder's permissions can refuse it.
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (path.isEmpty() || ::lstat(name.constData(), &info) != 0)
        throw makeFailure(ErrorNumber::FileNotFound);
    if (S_ISDIR(info.st_mode))
        throw makeFailure(
            ErrorNumber::PathFileAccessError,
            QCoreApplication::translate("FileOperations", "Path is a folder, not a file"));
    if (::unlink(name.constData()) != 0)
        throw makeFailure(ErrorNumber::PermissionDenied,
                          QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace brindlecast
