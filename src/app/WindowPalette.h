// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

namespace brindlecast {

// The window's white look with the dark texts that go with it, whatever colour scheme the
// desktop has: every control takes its colours from this one palette.
QPalette whiteWindowPalette();

} // namespace brindlecast
