#pragma once

#include <QStringList>
#include <optional>

class QMimeData;

namespace brindlecast {

class ErrorBox;
class FileRows;
class FileSystem;

// The local paths of dropped data, in the order the data lists them; std::nullopt when the data
// offers no file list (no "text/uri-list", or no local file in it). URLs that are not local files
// (http:, trash:) are left out.
std::optional<QStringList> droppedFilePaths(const QMimeData& data);

// Drag over the list: true when the data offers a file list, so the drop may happen.
bool ListView1_OLEDragOver(const QMimeData& data);

// A drop on the list: each dropped path in order. A folder is expanded into every accessible file
// in it and in all its subfolders (any type, "~" names and hidden archive files skipped); anything
// else, a path that no longer exists included, is appended exactly as given.
void ListView1_OLEDragDrop(const QStringList& droppedPaths, FileRows& list,
                           const FileSystem& fileSystem, ErrorBox& errorBox);

} // namespace brindlecast
