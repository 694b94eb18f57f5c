// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopFolder.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace brindlecast {

QString GetDesktopFolder(const Platform& platform)
{
    const QString folder = platform.desktopFolder();
    if (folder.isEmpty())
        throw makeFailure(ErrorNumber::InvalidProcedureCall);
    return folder + kNativeSeparator;
}

QString defaultOutputFolder(Platform& platform)
{
    // A fresh account may have no desktop folder; the first run must not fail for it.
    FileSystem& files = platform.fileSystem();
    for (const QString& folder : {platform.desktopFolder(), platform.musicFolder()}) {
        if (!folder.isEmpty() && files.isFolder(folder))
            return folder + kNativeSeparator;
    }
    const QString home = platform.homeFolder();
    if (home.isEmpty())
        return GetDesktopFolder(platform);
    return home + kNativeSeparator;
}

} // namespace brindlecast
