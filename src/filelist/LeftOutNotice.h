// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// Says how many files or folders were not added because no row could name them: their names are
// not valid UTF-8, or a given path holds a NUL character (which would cut it short and name
// another file).
QString leftOutNotice(int count);

// True when a path can become a row: it names the file it came from, and nothing else.
bool isNameablePath(const QString& path);

} // namespace brindlecast
