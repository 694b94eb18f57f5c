// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brindlecast {

class ErrorBox;
class FileListView;
class WindowPointer;

// Removes the selected row (Delete key, double-click). Refused while the window is busy; does
// nothing on an empty list or when no row is selected.
void RemoveSelectedRow(FileListView& list, const WindowPointer& pointer);

// The Delete key removes the selected row whatever modifiers are held; other keys do nothing.
void ListView1_KeyDown(FileListView& list, const WindowPointer& pointer, int key);

// "Clear List": empties the list unless the window is busy.
void PushButton4_Click(FileListView& list, const WindowPointer& pointer, ErrorBox& errorBox);

} // namespace brindlecast
