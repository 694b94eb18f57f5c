// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

inline constexpr auto kProgramName = "brindlecast-studio";

// What --help prints: both ways to start the program and every option of --convert.
QString usageText();

// What --version prints: "brindlecast-studio <version>".
QString versionText();

} // namespace brindlecast
