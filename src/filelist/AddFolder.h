#pragma once

#include <QString>
#include <QStringList>

// The folder scan that "Add All WAV File(s) In Folder", a drop on the list and the sample loader
// share. Folders are read only through the FileSystem interface, so tests can fake what a real
// folder cannot show.

namespace brindlecast {

class ErrorBox;
class FileSystem;

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

// Extends `folders` (each entry a folder path ending with the separator) in place with the
// qualifying subfolders of its entries, level by level: breadth-first, each parent's subfolders
// sorted by name ignoring case, every appended entry ending with the separator. With `recurse`
// false only the direct subfolders are added (every caller passes true).
//
// A folder qualifies unless its attribute word is exactly 22 or 1046 (the root always does).
// Subfolders whose names are 260 characters or more, hold unsafe characters or "?", and links to
// folders (never followed, so a link loop cannot make the scan run away) are not collected; a
// folder entry of 260 characters or more is kept but not examined. A folder that cannot be
// listed (permission denied, path not found) is removed from `folders`, so its files are not
// added; other listing failures keep what was found so far. Unexpected failures show the error
// box of "GetSubDirectories2016" in module AddFolder and the scan carries on. Pending window
// events are processed for every folder examined, every subfolder seen and every folder passed
// back, so the window stays responsive (and other handlers may run) during a long scan.
void GetSubDirectories2016(const FileSystem& fileSystem, ErrorBox& errorBox, QStringList& folders,
                           bool recurse);

} // namespace brindlecast
