#pragma once

namespace brindlecast {

class Form1;

// Removes the selected row (Delete key, double-click). Refused while the window is busy; does
// nothing on an empty list or when no row is selected.
void RemoveSelectedRow(Form1& form);

// The Delete key removes the selected row whatever modifiers are held; other keys do nothing.
void ListView1_KeyDown(Form1& form, int key);

// "Clear List": empties the list unless the window is busy.
void PushButton4_Click(Form1& form);

} // namespace brindlecast
