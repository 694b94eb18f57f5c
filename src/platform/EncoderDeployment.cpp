// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EncoderDeployment.h"

#include "core/ErrorNumbers.h"
#include "platform/EncoderStore.h"
#include "platform/FileOperations.h"
#include "platform/Platform.h"
#include "platform/StaleEncoderFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstdlib>
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
    return makeFailure(error == EACCES || error == EPERM ? ErrorNumber::PermissionDenied
                                                         : ErrorNumber::PathFileAccessError,
                       what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)));
}

// A folder where another user may create entries can only hold ours safely when its sticky bit
// stops them from renaming or removing entries that are not theirs.
void checkTemporaryFolder(const QString& folder)
{
    // Bytes that are no UTF-8 do not survive into a name that can be opened again.
    if (folder.contains(QChar::ReplacementCharacter)) {
        throw makeFailure(
            ErrorNumber::PathNotFound,
            QCoreApplication::translate("EncoderDeployment",
                                        "The name of the temporary folder %1 is not valid "
                                        "UTF-8; set TEMP to another folder")
                .arg(folder));
    }
    struct stat info {};
    if (::stat(nativeName(folder).constData(), &info) != 0) {
        if (errno == ENOENT) {
            throw makeFailure(ErrorNumber::PathNotFound,
                              QCoreApplication::translate(
                                  "EncoderDeployment",
                                  "The temporary folder %1 does not exist; set TEMP to an "
                                  "existing folder")
                                  .arg(folder));
        }
        throw systemFailure(QCoreApplication::translate("EncoderDeployment",
                                                        "The temporary folder %1 cannot be used")
                                .arg(folder),
                            errno);
    }
    if (!S_ISDIR(info.st_mode))
        throw makeFailure(ErrorNumber::PathNotFound,
                          QCoreApplication::translate("EncoderDeployment",
                                                      "The temporary folder %1 is not a folder")
                              .arg(folder));
    // Its owner may rename or remove whatever is in it, sticky bit or not.
    if (info.st_uid != ::geteuid() && info.st_uid != 0) {
        throw makeFailure(
            ErrorNumber::PermissionDenied,
            QCoreApplication::translate(
                "EncoderDeployment",
                "The temporary folder %1 is owned by another user; the encoder is not put there")
                .arg(folder));
    }
    const bool othersMayWrite = (info.st_mode & kOthersMayWrite) != 0;
    if (othersMayWrite && !(info.st_mode & S_ISVTX)) {
        throw makeFailure(
            ErrorNumber::PermissionDenied,
            QCoreApplication::translate(
                "EncoderDeployment",
                "The temporary folder %1 is open to other users; the encoder is not put there")
                .arg(folder));
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
        throw systemFailure(
            QCoreApplication::translate("EncoderDeployment", "Cannot create %1").arg(path), errno);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            ::unlink(name.constData());
            throw systemFailure(
                QCoreApplication::translate("EncoderDeployment", "Cannot write %1").arg(path),
                error);
        }
        written += n;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(name.constData());
        throw systemFailure(
            QCoreApplication::translate("EncoderDeployment", "Cannot write %1").arg(path), error);
    }
}

QString createEncoderFolder(const QString& temporaryFolder)
{
    checkTemporaryFolder(temporaryFolder);
    QByteArray name = nativeName(temporaryFolder + u'/') + encoderFolderTemplate(::getpid());
    if (!::mkdtemp(name.data())) {
        throw systemFailure(
            QCoreApplication::translate("EncoderDeployment",
                                        "Cannot create a folder in the temporary folder %1")
                .arg(temporaryFolder),
            errno);
    }
    const QString folder = QFile::decodeName(name);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0 || !isPrivateFolder(info)) {
        ::rmdir(name.constData());
        throw makeFailure(
            ErrorNumber::PermissionDenied,
            QStringLiteral("%1 is not a folder of this user's own; the encoder is not "
                           "put there")
                .arg(folder));
    }
    return folder;
}

bool allowsRunningPrograms(const QString& folder)
{
    struct statvfs volume {};
    return ::statvfs(nativeName(folder).constData(), &volume) != 0 ||
           (volume.f_flag & ST_NOEXEC) == 0;
}

QString encoderPathIn(const QString& encoderFolder)
{
    return encoderFolder + QStringLiteral("/ffmpeg");
}

bool isTrustedEncoder(const QString& encoderFolder)
{
    struct stat folder {};
    struct stat file {};
    if (encoderFolder.isEmpty() || ::lstat(nativeName(encoderFolder).constData(), &folder) != 0 ||
        !isPrivateFolder(folder))
        return false;
    if (::lstat(nativeName(encoderPathIn(encoderFolder)).constData(), &file) != 0)
        return false;
    return S_ISREG(file.st_mode) && file.st_uid == ::geteuid() &&
           (file.st_mode & kOthersMayWrite) == 0 && (file.st_mode & S_IXUSR) != 0;
}

void deployEncoder(const QByteArray& bytes, const QString& encoderFolder)
{
    // An empty build is a failed load, not an encoder: running it would only fail obscurely.
    if (bytes.isEmpty())
        throw makeFailure(ErrorNumber::FileNotFound,
                          QCoreApplication::translate("EncoderDeployment",
                                                      "There is no encoder to put in place"));
    WriteBytesToFile(bytes, encoderPathIn(encoderFolder), 0700);
}

void removeEncoderFolder(const QString& encoderFolder)
{
    if (encoderFolder.isEmpty())
        return;
    DeleteFileQuietly(encoderPathIn(encoderFolder));
    DeleteFileQuietly(encoderFolder + u'/' + QLatin1String(kEncoderFolderLockName));
    ::rmdir(nativeName(encoderFolder).constData());
}

} // namespace brindlecast
