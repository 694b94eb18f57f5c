// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/BrowseForFolder.h"

#include "core/PathHelpers.h"
#include "platform/Dialogs.h"

namespace brindlecast {

QString BrowseForFolder(Dialogs& dialogs, const QString& title, const QString& startFolder)
{
    QString chosen = dialogs.browseForFolder(title, startFolder);
    // Callers add a separator only where one is missing, so a chosen folder other than the root
    // must not bring its own.
    while (chosen.size() > 1 && chosen.endsWith(kNativeSeparator))
        chosen.chop(1);
    return chosen;
}

} // namespace brindlecast
