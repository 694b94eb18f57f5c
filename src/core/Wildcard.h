// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// True when the whole name matches a pattern of "*" (any run of characters) and "?" (any one
// character), ignoring case. "*.*" matches every name, with or without a dot.
bool wildcardMatches(QStringView pattern, QStringView name);

} // namespace brindlecast
