// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StaleEncoderFolders.h"

#include "core/ErrorNumbers.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

const char kEncoderFolderLockName[] = ".lock";

namespace {

constexpr char kPrefix[] = "brindlecast-";
constexpr int kTailLength = 6;

bool isAlive(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// A program started from the folder may outlive the run that put it there.
bool isProgramRunningFrom(const QByteArray& folder)
{
    const QByteArray inside = folder + '/';
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& process : processes) {
        bool isNumber = false;
        process.toInt(&isNumber);
        if (!isNumber)
            continue;
        const QByteArray exe = QFile::encodeName(QStringLiteral("/proc/%1/exe").arg(process));
        char target[4096];
        const ssize_t length = ::readlink(exe.constData(), target, sizeof target);
        if (length > 0 && QByteArray(target, length).startsWith(inside))
            return true;
    }
    return false;
}

// The entries of the folder, when all are files or links (what a run puts there); false when
// anything else is in it.
bool filesOnly(int folderFd, QList<QByteArray>& names)
{
    const int listFd = ::dup(folderFd);
    if (listFd < 0)
        return false;
    DIR* entries = ::fdopendir(listFd);
    if (!entries) {
        ::close(listFd);
        return false;
    }
    bool only = true;
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat info {};
        if (::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            S_ISDIR(info.st_mode)) {
            only = false;
            break;
        }
        names.append(name);
    }
    ::closedir(entries);
    return only;
}

// Takes the folder's lock when nobody holds it: the descriptor that keeps it, -1 when the lock
// is held or is not a file of ours, and -2 when there is no lock file at all.
int takeAbandonedLock(int folderFd)
{
    const int lockFd =
        ::openat(folderFd, kEncoderFolderLockName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (lockFd < 0)
        return errno == ENOENT ? -2 : -1;
    struct stat info {};
    if (::fstat(lockFd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() ||
        ::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd);
        return -1;
    }
    return lockFd;
}

// A folder made by a version that kept no lock: its name's process must have ended. An empty one
// is left alone, as a run that has just made its folder has not locked it yet.
bool endedWithoutLock(const QByteArray& name, const QList<QByteArray>& names)
{
    const pid_t owner = encoderFolderOwner(name);
    return !names.isEmpty() && owner > 0 && owner != ::getpid() && !isAlive(owner);
}

void removeIfStale(int temporaryFd, const QByteArray& temporaryName, const QByteArray& name)
{
    struct stat info {};
    if (::fstatat(temporaryFd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 07777) != 0700)
        return;
    if (isProgramRunningFrom(temporaryName + '/' + name))
        return;
    const int folderFd =
        ::openat(temporaryFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folderFd < 0)
        return;
    struct stat opened {};
    QList<QByteArray> names;
    // The folder opened must be the one examined, not one swapped in since.
    if (::fstat(folderFd, &opened) != 0 || opened.st_dev != info.st_dev ||
        opened.st_ino != info.st_ino) {
        ::close(folderFd);
        return;
    }
    // Held until the folder is gone, so that no run can be taken for ended twice.
    const int lockFd = takeAbandonedLock(folderFd);
    if (lockFd != -1 && filesOnly(folderFd, names) &&
        (lockFd >= 0 || endedWithoutLock(name, names))) {
        for (const QByteArray& file : names)
            ::unlinkat(folderFd, file.constData(), 0);
        ::unlinkat(temporaryFd, name.constData(), AT_REMOVEDIR);
    }
    if (lockFd >= 0)
        ::close(lockFd);
    ::close(folderFd);
}

} // namespace

int lockEncoderFolder(const QString& encoderFolder)
{
    // The lock is taken under another name and only then given its own: a lock file that is
    // there unlocked means an ended run to every other run's clean-up, which would remove the
    // folder in the moment between making the file and locking it.
    const QByteArray folder = QFile::encodeName(encoderFolder + u'/');
    const QByteArray path = folder + kEncoderFolderLockName;
    const QByteArray unnamed = path + ".new";
    const int fd =
        ::open(unnamed.constData(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        ::rename(unnamed.constData(), path.constData()) != 0) {
        const int error = errno;
        if (fd >= 0) {
            ::close(fd);
            ::unlink(unnamed.constData());
        }
        throw makeFailure(ErrorNumber::PathFileAccessError,
                          QCoreApplication::translate("StaleEncoderFolders",
                                                      "Cannot lock the encoder folder %1: %2")
                              .arg(encoderFolder, QString::fromLocal8Bit(std::strerror(error))));
    }
    return fd;
}

QByteArray encoderFolderTemplate(pid_t owner)
{
    return kPrefix + QByteArray::number(owner) + '-' + QByteArray(kTailLength, 'X');
}

pid_t encoderFolderOwner(const QByteArray& name)
{
    const qsizetype prefix = qsizetype(sizeof kPrefix) - 1;
    const qsizetype dash = name.lastIndexOf('-');
    if (!name.startsWith(kPrefix) || dash <= prefix || name.size() - dash - 1 != kTailLength)
        return 0;
    const QByteArray digits = name.mid(prefix, dash - prefix);
    if (digits.startsWith('0'))
        return 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
    }
    for (const char c : name.mid(dash + 1)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return 0;
    }
    bool fits = false;
    const int pid = digits.toInt(&fits);
    return fits ? pid_t(pid) : 0;
}

void removeStaleEncoderFolders(const QString& temporaryFolder)
{
    const QByteArray temporaryName = QFile::encodeName(temporaryFolder);
    const int temporaryFd = ::open(temporaryName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (temporaryFd < 0)
        return;
    QList<QByteArray> candidates;
    const int listFd = ::dup(temporaryFd);
    DIR* entries = listFd < 0 ? nullptr : ::fdopendir(listFd);
    if (entries) {
        while (const dirent* entry = ::readdir(entries)) {
            if (encoderFolderOwner(entry->d_name) > 0)
                candidates.append(entry->d_name);
        }
        ::closedir(entries);
    } else if (listFd >= 0) {
        ::close(listFd);
    }
    for (const QByteArray& name : candidates)
        removeIfStale(temporaryFd, temporaryName, name);
    ::close(temporaryFd);
}

} // namespace brindlecast
