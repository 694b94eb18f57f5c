// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

inline constexpr auto kProductName = "Brindlecast Studio";

// The product name cut at its last blank, again and again while longer than 40 characters.
// At least one cut is always made.
QString applicationTitleFor(const QString& productName);

} // namespace brindlecast
