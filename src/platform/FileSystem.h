#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace brindlecast {

// The attribute word of a path, as the classic file system reports it.
enum FileAttribute : int {
    AttributeReadOnly = 1,
    AttributeHidden = 2,
    AttributeSystem = 4,
    AttributeDirectory = 16,
    AttributeArchive = 32,
    AttributeReparsePoint = 1024,
};

// Numbers of listing failures, as the error box names them.
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathNotFound = 76;

// Names of one kind of entry of a folder, sorted by name ignoring case; error is 0 or the number
// of the failure that stopped the listing (70, 76, or the system's own number).
struct FolderListing {
    QStringList names;
    int error = 0;
};

// The description of a listing failure's number, as the error box names it.
QString listingFailureText(int error);

// The file-system questions and changes of the handlers, behind an interface so that tests can
// produce attribute words and failures that a real folder cannot.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when the path, followed through links, can be read as a file or folder.
    virtual bool exists(const QString& path) const = 0;
    virtual bool isFolder(const QString& path) const = 0;
    // True when anything is at the path, a dangling link included.
    virtual bool isPresent(const QString& path) const = 0;
    virtual bool isRegularFile(const QString& path) const = 0;
    // The size of a regular file; -1 for anything else.
    virtual qint64 regularFileSize(const QString& path) const = 0;
    // True when both names lead to one file (equal names, or one device and inode).
    virtual bool isSameFile(const QString& first, const QString& second) const = 0;

    // The attribute word of the entry itself (a link is not followed); throws Failure 53 when
    // nothing is there.
    virtual int attributes(const QString& path) const = 0;
    // True only for a regular file that opens for reading. Never blocks on a FIFO or device.
    virtual bool isAccessibleFile(const QString& path) const = 0;

    // The folder's subfolders (links to folders included: their attribute word tells them).
    virtual FolderListing subfolders(const QString& folder) const = 0;
    // The folder's regular files (hidden ones included) whose names match a pattern of "*" and
    // "?", compared ignoring case; "*.*" matches every name.
    virtual FolderListing matchingFiles(const QString& folder, const QString& pattern) const = 0;

    // Removes a file or link, never a folder; throws Failure when it cannot.
    virtual void removeFile(const QString& path) = 0;
    // As removeFile(), after handling pending window events; failures are ignored (callers that
    // care look afterwards whether the file is gone).
    void removeFileQuietly(const QString& path);

    // How long the AAC stream of an ADTS file (what the encoder writes as ".aac") plays, up to
    // its last whole frame; nullopt when the file does not start with such a frame.
    virtual std::optional<double> adtsSeconds(const QString& path) const = 0;
};

} // namespace brindlecast
