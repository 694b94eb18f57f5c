// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace brindlecast {

class Dialogs;
class FileRows;
class FileSystem;

inline constexpr auto kOpenSamplesQuestion = QT_TRANSLATE_NOOP(
    "SampleFiles",
    "Would you like this software to open the folder where these sample files are stored (so "
    "that you can view them before working with them)?");

// True when some row's text equals the text exactly (case-sensitive).
bool IsInList(const FileRows& list, const QString& text);

// Appends every accessible file of the application folder's "Samples" folder that is not listed
// yet, then always offers to open that folder in the file manager.
void LoadSampleFiles(FileRows& list, const FileSystem& fileSystem, Dialogs& dialogs,
                     const QString& applicationFolder, const QString& applicationTitle);

// "Load Sample/Example Files": LoadSampleFiles, with any failure shown in the error box.
void PushButton5_Click(FileRows& list, const FileSystem& fileSystem, Dialogs& dialogs,
                       const QString& applicationFolder, const QString& applicationTitle);

} // namespace brindlecast
