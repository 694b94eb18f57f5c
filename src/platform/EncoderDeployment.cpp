#include "platform/EncoderDeployment.h"

#include "core/Failure.h"
#include "platform/EncoderStore.h"
#include "platform/FileOperations.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace brindlecast {

namespace {

constexpr mode_t kOthersMayWrite = S_IWGRP | S_IWOTH;

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

Failure systemFailure(const QString& what, int error)
{
    return Failure(what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)),
                   error == EACCES || error == EPERM ? 70 : 75);
}

// A folder where another user may create entries can only hold ours safely when its sticky bit
// stops them from renaming or removing entries that are not theirs.
void checkTemporaryFolder(const QString& folder)
{
    struct stat info {};
    if (::stat(nativeName(folder).constData(), &info) != 0)
        throw systemFailure(QStringLiteral("Temporary folder %1").arg(folder), errno);
    if (!S_ISDIR(info.st_mode))
        throw Failure(QStringLiteral("Temporary folder %1 is not a folder").arg(folder), 76);
    struct statvfs volume {};
    if (::statvfs(nativeName(folder).constData(), &volume) == 0 && (volume.f_flag & ST_NOEXEC)) {
        throw Failure(QStringLiteral("Temporary folder %1 does not allow running programs; set "
                                     "TEMP to another folder")
                          .arg(folder),
                      70);
    }
    const bool othersMayWrite = (info.st_mode & kOthersMayWrite) != 0;
    const bool trustedOwner = info.st_uid == ::geteuid() || info.st_uid == 0;
    if ((othersMayWrite && !(info.st_mode & S_ISVTX)) || !trustedOwner) {
        throw Failure(
            QStringLiteral(
                "Temporary folder %1 is open to other users; the encoder is not put there")
                .arg(folder),
            70);
    }
}

bool isPrivateFolder(const struct stat& info)
{
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

} // namespace

QString GetAddressWidth(Platform& platform)
{
    return platform.processorAddressWidth();
}

void WriteBytesToFile(const QByteArray& bytes, const QString& path, mode_t mode)
{
    QCoreApplication::processEvents();
    if (FileExists(path))
        return;
    const QByteArray name = nativeName(path);
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0)
        throw systemFailure(QStringLiteral("Cannot create %1").arg(path), errno);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            ::unlink(name.constData());
            throw systemFailure(QStringLiteral("Cannot write %1").arg(path), error);
        }
        written += n;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        throw systemFailure(QStringLiteral("Cannot write %1").arg(path), error);
    }
}

QString encoderFolder(const QString& temporaryFolder)
{
    return temporaryFolder + QStringLiteral("/brindlecast-") + QString::number(::geteuid());
}

QString encoderPath(const QString& temporaryFolder)
{
    return encoderFolder(temporaryFolder) + QStringLiteral("/ffmpeg");
}

void preparePrivateFolder(const QString& temporaryFolder)
{
    checkTemporaryFolder(temporaryFolder);
    const QString folder = encoderFolder(temporaryFolder);
    const QByteArray name = nativeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        throw systemFailure(QStringLiteral("Cannot create %1").arg(folder), errno);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        throw systemFailure(QStringLiteral("Cannot use %1").arg(folder), errno);
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        throw Failure(
            QStringLiteral("%1 is not a folder of this user's own; the encoder is not put there")
                .arg(folder),
            70);
    }
    // Our own folder with looser permissions (made by hand, say): close it; the file in it is
    // checked on its own before it is run.
    if ((info.st_mode & 077) != 0 && ::chmod(name.constData(), 0700) != 0)
        throw systemFailure(QStringLiteral("Cannot protect %1").arg(folder), errno);
}

bool isTrustedEncoder(const QString& temporaryFolder)
{
    struct stat folder {};
    struct stat file {};
    if (::lstat(nativeName(encoderFolder(temporaryFolder)).constData(), &folder) != 0 ||
        !isPrivateFolder(folder))
        return false;
    if (::lstat(nativeName(encoderPath(temporaryFolder)).constData(), &file) != 0)
        return false;
    return S_ISREG(file.st_mode) && file.st_uid == ::geteuid() &&
           (file.st_mode & kOthersMayWrite) == 0 && (file.st_mode & S_IXUSR) != 0;
}

bool deployEncoder(const QByteArray& bytes, const QString& temporaryFolder)
{
    preparePrivateFolder(temporaryFolder);
    const QString path = encoderPath(temporaryFolder);
    struct stat info {};
    const bool present = ::lstat(nativeName(path).constData(), &info) == 0;
    if (present && isTrustedEncoder(temporaryFolder))
        return false;
    if (present)
        DeleteFileForced(path); // only we can write in the folder, so removing is safe
    WriteBytesToFile(bytes, path, 0700);
    return true;
}

void removeDeployedEncoder(const QString& temporaryFolder)
{
    DeleteFileQuietly(encoderPath(temporaryFolder));
    ::rmdir(nativeName(encoderFolder(temporaryFolder)).constData());
}

} // namespace brindlecast
