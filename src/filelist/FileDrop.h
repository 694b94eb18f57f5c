// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>
#include <optional>

class QMimeData;

namespace brindlecast {

class ErrorBox;
class FileRows;
class FileSystem;

// The local paths of dropped data, in the order the data lists them; std::nullopt when the data
// offers no file list (no "text/uri-list", or no file of this machine in it). URLs that are not
// files of this machine (http:, trash:, another host) are left out; "localhost" and this
// machine's own name are this machine. A path that no text can name (its bytes are not UTF-8, or
// hold a NUL) comes as a path holding a NUL character.
std::optional<QStringList> droppedFilePaths(const QMimeData& data);

// The view's drag-over test: true when the data offers a file list, so the drop may happen.
bool offersFileList(const QMimeData& data);

// A drop on the list: each dropped path in order. A folder is expanded into every accessible file
// in it and in all its subfolders (any type, "~" names and hidden archive files skipped); anything
// else, a path that no longer exists included, is appended exactly as given. A path holding a
// NUL character, and names below a folder that are not valid UTF-8, never become rows; how many
// were left out is said in one message at the end.
void ListView1_OLEDragDrop(const QStringList& droppedPaths, FileRows& list,
                           const FileSystem& fileSystem, ErrorBox& errorBox,
                           const std::function<void(const QString&)>& messageBox);

} // namespace brindlecast
