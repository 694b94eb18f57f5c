// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// True when the path's modification time can be read; never fails.
bool FileExists(const QString& path);

// True when the path names a folder; never fails.
bool FolderExists(const QString& path);

// Removes a file, read-only ones included; missing files and failures are ignored. Never removes
// a folder.
void DeleteFileQuietly(const QString& path);

// Removes a file even when it is read-only; throws Failure when it cannot.
void DeleteFileForced(const QString& path);

} // namespace brindlecast
