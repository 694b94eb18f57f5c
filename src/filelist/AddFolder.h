// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// The folder scan that "Add All WAV File(s) In Folder", a drop on the list and the sample loader
// share. Folders are read only through the FileSystem interface, so tests can fake what a real
// folder cannot show.

namespace brindlecast {

class ErrorBox;
class EventPacer;

// Paths and names of this many characters or more are not examined.
inline constexpr int kMaxPathChars = 260;

// The names that ListMatchingFiles found, numbered from 1 to highestIndex() in the order of the
// search. With no name the array is one empty entry at index 0, so a walk from 1 to
// highestIndex() visits nothing.
class NameArray {
public:
    NameArray() = default;
    explicit NameArray(QStringList names) : m_names(std::move(names)) {}

    int lowestIndex() const { return m_names.isEmpty() ? 0 : 1; }
    int highestIndex() const { return static_cast<int>(m_names.size()); }
    // The name at an index from lowestIndex() to highestIndex(); throws Failure 9 otherwise.
    QString at(int index) const;
    const QStringList& names() const { return m_names; }

private:
    QStringList m_names;
};

// True when the name holds a character below 32, from 127 to 159, or "?" (which also stands for
// what cannot be shown). False for the empty name. Never fails.
bool HasUnsafeCharacters(const QString& name);

// True when the path names an existing regular file that opens for reading. A folder, a missing
// path, a FIFO, socket or device gives false, and none of them is opened in a way that blocks.
// Never fails.
bool FileIsAccessible(const FileSystem& fileSystem, const QString& path);

// The names of the accessible regular files in the folder (with or without a trailing
// separator) that match the pattern ("*.wav", "*.*"; "*" and "?" compared ignoring case), hidden
// files included, sorted by name ignoring case. A missing folder gives no names; a folder that
// cannot be read throws Failure (70 permission denied, or the system's number) to the caller.
NameArray ListMatchingFiles(const FileSystem& fileSystem, const QString& folder,
                            const QString& pattern);

// One folder of a scan's folder list: its path, ending with the separator, and the files of the
// pattern read through the folder's one opened handle when the scan examined it, so that a folder
// swapped for a link later is never listed through that link.
struct ScannedFolder {
    QString path;
    // How the folder's parent showed it; none for the folders the caller names.
    std::optional<FolderLead> lead;
    bool filesRead = false;
    int filesError = 0;       // the reading's refusal, as FolderContents::error
    int filesSystemError = 0; // the reading's other failure, as FolderContents::systemError
    QList<FileEntry> files;   // sorted by name

    // A folder the caller names.
    static ScannedFolder named(const QString& path)
    {
        return {path, std::nullopt, false, 0, 0, {}};
    }
};
using FolderList = QList<ScannedFolder>;

// What one scan works with and what it finds on the way.
struct ScanSession {
    const FileSystem& fileSystem;
    ErrorBox& errorBox;
    QString filePattern; // the files read with each folder
    EventPacer& pace;
    // Names left out because they are not valid UTF-8.
    int undecodableNames = 0;
    // Every folder examined or collected, so that none is entered twice: links are followed, and
    // a link to an ancestor or to a folder met before would otherwise repeat or never end.
    QSet<FolderIdentity> seen;
};

// Extends `folders` (each entry a folder path ending with the separator) in place with the
// qualifying subfolders of its entries at every depth: breadth-first, each parent's subfolders
// in name order, every appended entry ending with the separator.
//
// A folder qualifies unless its attribute word is exactly 22 or 1046 (the root always does).
// Subfolders whose names are 260 characters or more or hold unsafe characters or "?" are not
// collected. Links to folders are followed, but no folder (device and inode) is entered twice in
// one scan. A folder entry of 260 characters or more is kept but not examined. A folder that
// cannot be listed (permission denied, path not found) is removed from `folders`, so its files are
// not added; other listing failures keep what was found so far. Unexpected failures show the
// error box of "GetSubDirectories2016" in module AddFolder and the scan carries on. The session's
// pacer lets the window process events while the scan works, so other handlers may run in it.
void GetSubDirectories2016(ScanSession& scan, FolderList& folders);

// Reads the files of a folder that the scan did not examine, the way the scan reads them.
void readFolderFiles(ScanSession& scan, ScannedFolder& folder);

} // namespace brindlecast
