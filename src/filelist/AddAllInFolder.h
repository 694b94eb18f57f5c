// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

class Dialogs;
class FileRows;
class FileSystem;
class SettingsStore;
class WindowPointer;

// What "Add All WAV File(s) In Folder" asks, reads and fills.
struct FolderAddTargets {
    Dialogs& dialogs;
    const FileSystem& fileSystem;
    SettingsStore& settings;
    FileRows& list;
    WindowPointer& pointer;
    QString applicationTitle; // the input box's title
};

// The input box's prompt: the question, two lone CRs, and the examples.
QString extensionPrompt();

// "Add All WAV File(s) In Folder": asks for a file extension (remembered in "Extension") and a
// folder (remembered in "LastFolder"), then appends one row per matching file of that folder and
// of every subfolder below it, folder by folder in the scan's breadth-first order. Names starting
// with "~" and files whose attribute word is exactly 34 (hidden dot-files) are skipped. The
// pattern is "*." followed by the answer exactly as typed. The window is busy during the scan;
// failures show the error box of "PushButton3_Click" and the click carries on.
void PushButton3_Click(const FolderAddTargets& targets);

} // namespace brindlecast
