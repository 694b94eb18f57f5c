// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

inline constexpr QChar kNativeSeparator = u'/';

// Everything up to and including the last separator; "" when there is none.
QString FolderOfPath(const QString& path, QChar separator = kNativeSeparator);

// Everything after the last separator; the whole text when there is none.
QString FileNameOfPath(const QString& path, QChar separator = kNativeSeparator);

// The name without its last ".extension", unless the only dot is the first character.
QString StripExtension(const QString& fileName);

// Halves every run of doubled separators in one left-to-right pass. A leading run becomes two
// separators where "\" is the separator (a network path) and one where it is "/".
QString CollapseBackslashes(const QString& path, QChar separator = kNativeSeparator);

} // namespace brindlecast
