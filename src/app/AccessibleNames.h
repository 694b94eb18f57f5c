// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brindlecast {

class Form1;

// Gives the controls whose visible text does not say what they are (the list, the folder box,
// the "..." button, the progress bar) a name that a screen reader can speak. The bit-rate list
// needs none: its frame's caption labels it.
void nameControlsForScreenReaders(Form1& form);

} // namespace brindlecast
