#include "platform/PosixFileSystem.h"

#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "core/Wildcard.h"
#include "platform/AdtsDuration.h"
#include "platform/FileOperations.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
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

// A folder path as the system names the entry itself: "a/b/" is "a/b" (a link there is then seen
// as the link, not as its target), and a run of separators alone is the root.
QString entryPath(const QString& path)
{
    qsizetype end = path.size();
    while (end > 1 && path[end - 1] == kNativeSeparator)
        --end;
    return path.left(end);
}

enum class EntryKind { Folder, RegularFile, Other, Unknown };

// The kind that the folder read reports; links, and file systems that report no kinds, give
// Unknown.
EntryKind reportedKind(const dirent& entry)
{
    switch (entry.d_type) {
    case DT_DIR:
        return EntryKind::Folder;
    case DT_REG:
        return EntryKind::RegularFile;
    case DT_LNK:
    case DT_UNKNOWN:
        return EntryKind::Unknown;
    default:
        return EntryKind::Other;
    }
}

// The kind of the entry that a link leads to, asked without opening anything, so that a FIFO
// or device is never touched. Entries that vanish or loop count as Other.
EntryKind statusKind(int dirFd, const char* name)
{
    struct stat info {};
    if (::fstatat(dirFd, name, &info, 0) != 0)
        return EntryKind::Other;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    return S_ISREG(info.st_mode) ? EntryKind::RegularFile : EntryKind::Other;
}

// Lists the names of a folder's entries of one kind (links followed) that pass the name test.
// The cheap tests come first: the reported kind, then the name, and a status call only for
// links and unreported kinds. A failure while reading keeps the names read so far.
template <typename NameTest>
FolderListing listFolder(const QString& folder, EntryKind wanted, NameTest&& nameTest)
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
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        const EntryKind reported = reportedKind(*entry);
        if (reported != wanted && reported != EntryKind::Unknown)
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        if (!nameTest(name))
            continue;
        if (reported == EntryKind::Unknown && statusKind(dirFd, entry->d_name) != wanted)
            continue;
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
    const QString entryAt = entryPath(path);
    const QByteArray name = nativeName(entryAt);
    struct stat entry {};
    if (path.isEmpty() || ::lstat(name.constData(), &entry) != 0)
        throw Failure(QStringLiteral("File not found"), 53);
    int word = 0;
    struct stat target = entry;
    if (S_ISLNK(entry.st_mode)) {
        word |= AttributeReparsePoint;
        if (::stat(name.constData(), &target) != 0)
            target = entry;
    }
    if (S_ISDIR(target.st_mode))
        word |= AttributeDirectory;
    else if (S_ISREG(target.st_mode))
        word |= AttributeArchive;
    if (FileNameOfPath(entryAt).startsWith(u'.'))
        word |= AttributeHidden;
    if ((target.st_mode & S_IWUSR) == 0)
        word |= AttributeReadOnly;
    return word;
}

bool PosixFileSystem::isAccessibleFile(const QString& path) const
{
    // The open never waits (a FIFO without a writer, a device), and fstat tells what was opened.
    // Listings give regular files only, so the folder scan never opens anything else at all.
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
    return listFolder(folder, EntryKind::Folder, [](const QString&) { return true; });
}

FolderListing PosixFileSystem::matchingFiles(const QString& folder, const QString& pattern) const
{
    return listFolder(folder, EntryKind::RegularFile,
                      [&pattern](const QString& name) { return wildcardMatches(pattern, name); });
}

void PosixFileSystem::removeFile(const QString& path)
{
    DeleteFileForced(path);
}

std::optional<double> PosixFileSystem::adtsSeconds(const QString& path) const
{
    return adtsDurationSeconds(path);
}

} // namespace brindlecast
