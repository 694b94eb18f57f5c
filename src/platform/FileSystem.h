// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"
#include "platform/UniqueFd.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
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

// A folder's device and inode: whatever path leads there, the same pair is the same folder.
struct FolderIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

inline size_t qHash(const FolderIdentity& identity, size_t seed = 0)
{
    return ::qHash(identity.inode, seed) ^ ::qHash(identity.device, seed);
}

// How a folder met in its parent's listing is opened: it must be the folder the parent showed.
struct FolderLead {
    FolderIdentity identity;
    // The parent's entry was a link to a folder, which is followed; a folder met as a folder is
    // never reached through a link.
    bool throughLink = false;
};

// A subfolder as its parent's handle showed it.
struct SubfolderEntry {
    QString name;
    FolderIdentity identity;
    bool isLink = false;
};

// A regular file (a link to one included) as its folder's handle showed it.
struct FileEntry {
    QString name;
    int attributes = -1;     // -1 when the entry vanished or could not be looked at
    bool accessible = false; // opens for reading
};

// One folder, read through the one handle that was opened and checked. The entries are in the
// order the system gives them.
struct FolderContents {
    // What stopped the reading, if anything. The two kinds of number overlap (the system's 70 is
    // not "Permission denied"), so each has its own field.
    int error = 0;       // 0, or the error number of a refusal: 70 permission denied, 76 not found
    int systemError = 0; // 0, or the system's errno of any other failure
    int attributes = 0;  // the folder's own attribute word
    FolderIdentity identity;
    QList<SubfolderEntry> subfolders;
    QList<FileEntry> files; // those whose names match the pattern
    // Subfolders, and files matching the pattern, left out because their names are not valid
    // UTF-8: no text could name them.
    int undecodableNames = 0;
};

// The failure that stopped a listing: the error number with its standard text, or else the
// system's errno with the system's text for it.
Failure listingFailure(int error, int systemError);

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
    // Opens a regular file for reading, never through a link and never waiting on a pipe or a
    // device: what is read is the file that was checked, whatever is renamed meanwhile. Not open
    // for anything else (nothing there, a link, a pipe, a folder).
    virtual UniqueFd openRegularFile(const QString& path) const;
    // The size of a regular file; -1 for anything else.
    virtual qint64 regularFileSize(const QString& path) const = 0;
    // True when both names lead to one file (equal names, or one device and inode).
    virtual bool isSameFile(const QString& first, const QString& second) const = 0;

    // The attribute word of the entry itself (a link is not followed); throws Failure 53 when
    // nothing is there.
    virtual int attributes(const QString& path) const = 0;
    // True only for a regular file that opens for reading. Never blocks on a FIFO or device.
    virtual bool isAccessibleFile(const QString& path) const = 0;
    // True when the text names exactly one entry as the system spells it. A name that is not
    // valid UTF-8 reads as text with replacement characters, so such text (from the file dialog,
    // which decodes names itself) may stand for several entries, or for one it does not name.
    virtual bool namesOneEntry(const QString& path) const = 0;

    // Opens the folder once (a link is followed only where `lead` says the parent showed one,
    // or where the caller named the folder) and reads its attribute word, identity, subfolders
    // and the regular files matching a pattern of "*" and "?" (ignoring case; "*.*" matches
    // every name) through that handle. With a lead, a folder that is not the one the parent
    // showed reads as missing (76). onEntry runs for every entry read.
    virtual FolderContents readFolder(const QString& folder, const QString& filePattern,
                                      const std::optional<FolderLead>& lead,
                                      const std::function<void()>& onEntry) const = 0;

    // Why no file can be made in the folder, in lower case ("permission denied", "read-only file
    // system"), or "" when one can.
    virtual QString writeRefusal(const QString& folder) const = 0;

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
