// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace brindlecast {

class Dialogs;

// The title both folder pickers show.
inline constexpr auto kBrowseFolderTitle = QT_TRANSLATE_NOOP("FileList", "Please select folder:");

// The folder picker of the AddFolder module: shows only folders, opens at the start folder (sent
// as given, even when empty or missing) and returns the chosen folder's path, or "" when the user
// cancels. The root comes back as "/", every other folder without a trailing separator.
QString BrowseForFolder(Dialogs& dialogs, const QString& title, const QString& startFolder);

} // namespace brindlecast
