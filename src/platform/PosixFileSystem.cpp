#include "platform/PosixFileSystem.h"

#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "core/Wildcard.h"
#include "platform/FileOperations.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

namespace {

QByteArray nativeName(const QString& path)
{
    return QFile::encodeName(path);
}

bool statFollowing(const QString& path, struct stat& info)
{
    return !path.isEmpty() && ::stat(nativeName(path).constData(), &info) == 0;
}

int listingError(int error)
{
    if (error == EACCES || error == EPERM)
        return kPermissionDenied;
    if (error == ENOENT || error == ENOTDIR)
        return kPathNotFound;
    return error;
}

void sortByNameIgnoringCase(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}

// Lists the entries of a folder that pass the test, which sees each name with the entry's
// status (links followed). Entries that vanish while the folder is read are left out.
template <typename Keep> FolderListing listFolder(const QString& folder, Keep&& keep)
{
    FolderListing listing;
    DIR* dir = ::opendir(nativeName(folder).constData());
    if (!dir) {
        listing.error = listingError(errno);
        return listing;
    }
    const int dirFd = ::dirfd(dir);
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            if (errno != 0)
                listing.error = listingError(errno);
            break;
        }
        const QByteArray raw(entry->d_name);
        if (raw == "." || raw == "..")
            continue;
        struct stat info {};
        if (::fstatat(dirFd, entry->d_name, &info, 0) != 0)
            continue;
        const QString name = QFile::decodeName(raw);
        if (keep(name, info))
            listing.names.append(name);
    }
    ::closedir(dir);
    sortByNameIgnoringCase(listing.names);
    return listing;
}

} // namespace

bool PosixFileSystem::exists(const QString& path) const
{
    return FileExists(path);
}

bool PosixFileSystem::isFolder(const QString& path) const
{
    return FolderExists(path);
}

bool PosixFileSystem::isPresent(const QString& path) const
{
    struct stat info {};
    return !path.isEmpty() && ::lstat(nativeName(path).constData(), &info) == 0;
}

bool PosixFileSystem::isRegularFile(const QString& path) const
{
    struct stat info {};
    return statFollowing(path, info) && S_ISREG(info.st_mode);
}

qint64 PosixFileSystem::regularFileSize(const QString& path) const
{
    struct stat info {};
    return statFollowing(path, info) && S_ISREG(info.st_mode) ? qint64(info.st_size) : -1;
}

bool PosixFileSystem::isSameFile(const QString& first, const QString& second) const
{
    if (first == second)
        return true;
    struct stat a {};
    struct stat b {};
    return statFollowing(first, a) && statFollowing(second, b) && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

int PosixFileSystem::attributes(const QString& path) const
{
    struct stat entry {};
    if (path.isEmpty() || ::lstat(nativeName(path).constData(), &entry) != 0)
        throw Failure(QStringLiteral("File not found"), 53);
    int word = 0;
    struct stat target = entry;
    if (S_ISLNK(entry.st_mode)) {
        word |= AttributeReparsePoint;
        if (!statFollowing(path, target))
            target = entry;
    }
    if (S_ISDIR(target.st_mode))
        word |= AttributeDirectory;
    else if (S_ISREG(target.st_mode))
        word |= AttributeArchive;
    if (FileNameOfPath(path).startsWith(u'.'))
        word |= AttributeHidden;
    if ((target.st_mode & S_IWUSR) == 0)
        word |= AttributeReadOnly;
    return word;
}

bool PosixFileSystem::isAccessibleFile(const QString& path) const
{
    if (path.isEmpty())
        return false;
    const int fd =
        ::open(nativeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

FolderListing PosixFileSystem::subfolders(const QString& folder) const
{
    return listFolder(
        folder, [](const QString&, const struct stat& info) { return S_ISDIR(info.st_mode); });
}

FolderListing PosixFileSystem::matchingFiles(const QString& folder, const QString& pattern) const
{
    return listFolder(folder, [&pattern](const QString& name, const struct stat& info) {
        return S_ISREG(info.st_mode) && wildcardMatches(pattern, name);
    });
}

void PosixFileSystem::removeFile(const QString& path)
{
    DeleteFileForced(path);
}

} // namespace brindlecast
