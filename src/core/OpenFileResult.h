// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace brindlecast {

// The classic open-file dialog's result text for the picked paths: one full path, or the folder
// (without a trailing separator unless it is the root) followed by each name, all separated by
// NUL. Empty for no paths. Paths from several folders are named relative to the folder they
// share; paths that share none (other drives) are named in full after an empty folder.
QString openFileResultText(const QStringList& pickedPaths, QChar separator = u'/');

} // namespace brindlecast
