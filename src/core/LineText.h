// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// Text as it may stand in one line that scripts read: a backslash is written "\\", a newline
// "\n", a carriage return "\r", a tab "\t", and any other control character "\xHH" (its code in
// two hexadecimal digits, or "\u{HHHH}" above 0xFF), so that no name can break a line in two or
// pass for another line, and the original can be read back.
QString escapedForLine(const QString& text);

} // namespace brindlecast
