// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputFiles.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"
#include "core/PathHelpers.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

namespace {

QString causeOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Failure failure(const QString& what, int error)
{
    return makeFailure(error == EACCES || error == EPERM ? ErrorNumber::PermissionDenied
                                                         : ErrorNumber::PathFileAccessError,
                       what + QStringLiteral(": ") + causeOf(error));
}

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

} // namespace

void PosixOutputFiles::makeFolders(const QString& folder)
{
    QString path = folder.startsWith(u'/') ? QStringLiteral("/") : QString();
    for (const QString& part : folder.split(u'/', Qt::SkipEmptyParts)) {
        path += part;
        const QByteArray name = nativeName(path);
        if (::mkdir(name.constData(), 0777) != 0 && errno != EEXIST)
            throw failure(QStringLiteral("Cannot make the folder %1").arg(path), errno);
        struct stat info {};
        if (::stat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
            throw makeFailure(ErrorNumber::PathFileAccessError,
                              QStringLiteral("%1 is not a folder").arg(path));
        path += u'/';
    }
}

bool PosixOutputFiles::isNewerThan(const QString& output, const QString& input) const
{
    struct stat out {};
    struct stat in {};
    if (::stat(nativeName(output).constData(), &out) != 0 || !S_ISREG(out.st_mode) ||
        ::stat(nativeName(input).constData(), &in) != 0)
        return false;
    if (out.st_mtim.tv_sec != in.st_mtim.tv_sec)
        return out.st_mtim.tv_sec > in.st_mtim.tv_sec;
    return out.st_mtim.tv_nsec > in.st_mtim.tv_nsec;
}

} // namespace brindlecast
