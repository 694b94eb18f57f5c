// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace brindlecast {

class Dialogs;
class FileRows;
class FileSystem;

inline constexpr auto kAddFilesTitle =
    QT_TRANSLATE_NOOP("FileList", "Add File(s) - Hold Ctrl to select multiple files");
inline constexpr auto kAddFilesFilter = QT_TRANSLATE_NOOP("FileList", "WAV Files (*.wav)");
inline constexpr int kAddFilesMaxResultChars = 30000;

// "Add WAV File(s)": appends one row per file picked in the open-file dialog. A pick whose text
// does not name its file alone (the dialog decodes names that are not UTF-8 lossily) is left out,
// and how many were is said.
void PushButton1_Click(Dialogs& dialogs, const FileSystem& fileSystem, FileRows& list,
                       const std::function<void(const QString&)>& messageBox);

// The steps of the click, with the list and the message box passed in. A failure in a step is
// reported with its line number and the click goes on with the next step; a selection too large
// for the dialog's result shows a message and adds nothing.
void AddFilesByDialog(Dialogs& dialogs, const std::function<void(const QString&)>& appendRow,
                      const std::function<void(const QString&)>& messageBox);

} // namespace brindlecast
