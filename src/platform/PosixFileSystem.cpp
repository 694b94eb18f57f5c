// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PosixFileSystem.h"

#include "core/ErrorNumbers.h"
#include "core/PathHelpers.h"
#include "core/Wildcard.h"
#include "platform/AdtsDuration.h"
#include "platform/FileOperations.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
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
    return !path.isEmpty() && !path.contains(QChar(0)) &&
           ::stat(nativeName(path).constData(), &info) == 0;
}

// A refusal by the error number that the scan's listing rule knows it by; any other failure by
// the system's own number.
void noteListingError(FolderContents& contents, int error)
{
    if (error == EACCES || error == EPERM)
        contents.error = int(ErrorNumber::PermissionDenied);
    else if (error == ENOENT || error == ENOTDIR)
        contents.error = int(ErrorNumber::PathNotFound);
    else
        contents.systemError = error;
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

// A path the system can be given: one with a NUL character would be cut short there, and name
// another file.
bool isNameable(const QString& path)
{
    return !path.isEmpty() && !path.contains(QChar(0));
}

FolderIdentity identityOf(const struct stat& info)
{
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

// The name as text, or nothing when its bytes are not valid UTF-8: a row must name the very file
// it came from, and a replacement character would name another one (or none).
std::optional<QString> decodedName(const char* bytes)
{
    QString name = QFile::decodeName(bytes);
    if (QFile::encodeName(name) != QByteArrayView(bytes))
        return std::nullopt;
    return name;
}

// True for a regular file that opens for reading; the open never waits on a FIFO or device, and
// a link is followed only as far as the file it names inside this folder's handle.
bool opensForReading(int dirFd, const char* name)
{
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

int fileAttributes(const QString& name, const struct stat& entry, const struct stat& target)
{
    int word = S_ISLNK(entry.st_mode) ? int(AttributeReparsePoint) : 0;
    word |= AttributeArchive;
    if (name.startsWith(u'.'))
        word |= AttributeHidden;
    if ((target.st_mode & S_IWUSR) == 0)
        word |= AttributeReadOnly;
    return word;
}

// Reads one entry of an opened folder into the contents, looking only through that folder's
// handle.
void readEntry(int dirFd, const dirent& entry, const QString& filePattern, FolderContents& contents)
{
    const char* bytes = entry.d_name;
    if (std::strcmp(bytes, ".") == 0 || std::strcmp(bytes, "..") == 0)
        return;
    const unsigned char reported = entry.d_type;
    if (reported != DT_DIR && reported != DT_REG && reported != DT_LNK && reported != DT_UNKNOWN)
        return;
    const std::optional<QString> name = decodedName(bytes);
    if (!name) {
        const QString shown = QFile::decodeName(bytes);
        if (reported == DT_DIR || wildcardMatches(filePattern, shown))
            ++contents.undecodableNames;
        return;
    }
    struct stat self {};
    if (::fstatat(dirFd, bytes, &self, AT_SYMLINK_NOFOLLOW) != 0)
        return; // vanished, or not to be looked at: left out as what cannot be read
    struct stat target = self;
    if (S_ISLNK(self.st_mode) && ::fstatat(dirFd, bytes, &target, 0) != 0)
        return; // a dangling or looping link
    if (S_ISDIR(target.st_mode)) {
        contents.subfolders.append({*name, identityOf(target), S_ISLNK(self.st_mode)});
    } else if (S_ISREG(target.st_mode) && wildcardMatches(filePattern, *name)) {
        contents.files.append(
            {*name, fileAttributes(*name, self, target), opensForReading(dirFd, bytes)});
    }
}

// True when exactly one entry of the folder reads as the name, and it is spelt as the name is.
bool hasOnlySpelling(const QString& folder, const QString& name)
{
    DIR* dir = ::opendir(nativeName(folder).constData());
    if (!dir)
        return false;
    const QByteArray spelling = nativeName(name);
    int readAsName = 0;
    bool spelt = false;
    while (const dirent* entry = ::readdir(dir)) {
        if (QFile::decodeName(entry->d_name) == name) {
            ++readAsName;
            spelt = spelt || spelling == QByteArrayView(entry->d_name);
        }
    }
    ::closedir(dir);
    return readAsName == 1 && spelt;
}

} // namespace

FolderContents PosixFileSystem::readFolder(const QString& folder, const QString& filePattern,
                                           const std::optional<FolderLead>& lead,
                                           const std::function<void()>& onEntry) const
{
    FolderContents contents;
    const QString entryAt = entryPath(folder);
    if (!isNameable(entryAt)) {
        contents.error = int(ErrorNumber::PathNotFound);
        return contents;
    }
    const QByteArray path = nativeName(entryAt);
    // A folder met as a folder must still be one: a link swapped in since is not followed.
    const int noFollow = lead && !lead->throughLink ? O_NOFOLLOW : 0;
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | noFollow);
    if (fd < 0) {
        if (errno == ELOOP) // a link that may not be followed, or a loop of links
            contents.error = int(ErrorNumber::PathNotFound);
        else
            noteListingError(contents, errno);
        return contents;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        noteListingError(contents, errno);
        ::close(fd);
        return contents;
    }
    contents.identity = identityOf(info);
    if (lead && lead->identity != contents.identity) {
        // Something on the way was swapped since the parent was read.
        contents.error = int(ErrorNumber::PathNotFound);
        ::close(fd);
        return contents;
    }
    struct stat self {};
    const bool isLink =
        lead ? lead->throughLink : ::lstat(path.constData(), &self) == 0 && S_ISLNK(self.st_mode);
    contents.attributes = AttributeDirectory | (isLink ? int(AttributeReparsePoint) : 0);
    if (FileNameOfPath(entryAt).startsWith(u'.'))
        contents.attributes |= AttributeHidden;
    if ((info.st_mode & S_IWUSR) == 0)
        contents.attributes |= AttributeReadOnly;

    DIR* dir = ::fdopendir(fd); // owns fd from here on
    if (!dir) {
        noteListingError(contents, errno);
        ::close(fd);
        return contents;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            if (errno != 0)
                noteListingError(contents, errno);
            break;
        }
        readEntry(::dirfd(dir), *entry, filePattern, contents);
        if (onEntry)
            onEntry();
    }
    ::closedir(dir);
    return contents;
}

bool PosixFileSystem::exists(const QString& path) const
{
    return isNameable(path) && FileExists(path);
}

bool PosixFileSystem::isFolder(const QString& path) const
{
    return isNameable(path) && FolderExists(path);
}

bool PosixFileSystem::isPresent(const QString& path) const
{
    struct stat info {};
    return isNameable(path) && ::lstat(nativeName(path).constData(), &info) == 0;
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
    if (!isNameable(path) || ::lstat(name.constData(), &entry) != 0)
        throw makeFailure(ErrorNumber::FileNotFound);
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
    return isNameable(path) && opensForReading(AT_FDCWD, nativeName(path).constData());
}

bool PosixFileSystem::namesOneEntry(const QString& path) const
{
    if (!isNameable(path))
        return false;
    // Bytes that are not UTF-8 always decode to replacement characters, so text without one has
    // a single spelling. Each name that holds one is looked up among its folder's entries.
    const QStringList names = path.split(kNativeSeparator);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!names[i].contains(QChar::ReplacementCharacter))
            continue;
        const QString folder = i == 0 ? QStringLiteral(".") : names.first(i).join(kNativeSeparator);
        if (!hasOnlySpelling(folder.isEmpty() ? QString(kNativeSeparator) : folder, names[i]))
            return false;
    }
    return true;
}

QString PosixFileSystem::writeRefusal(const QString& folder) const
{
    if (::access(nativeName(folder).constData(), W_OK | X_OK) == 0)
        return {};
    const int error = errno;
    if (error == EACCES || error == EPERM)
        return QCoreApplication::translate("PosixFileSystem", "permission denied");
    return QString::fromLocal8Bit(std::strerror(error)).toLower();
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
