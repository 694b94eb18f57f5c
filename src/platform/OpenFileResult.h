#pragma once

#include <QStringList>

namespace brindlecast {

// The classic open-file dialog's result text for the picked paths: one full path, or the folder
// (without a trailing separator unless it is the root) followed by each name, all separated by
// NUL. Empty for no paths.
QString openFileResultText(const QStringList& pickedPaths, QChar separator = u'/');

} // namespace brindlecast
