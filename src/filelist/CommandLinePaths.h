// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace brindlecast {

// The paths that the program's arguments name ("Open With"), made absolute against the current
// folder. An argument whose bytes are not valid UTF-8 names a file that no text can name: it is
// left out and counted in `leftOut`. The first "--", which ends the options, is no path.
QStringList commandLinePaths(const QList<QByteArray>& arguments, const QString& currentFolder,
                             int& leftOut);

} // namespace brindlecast
