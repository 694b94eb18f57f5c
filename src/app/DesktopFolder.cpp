// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopFolder.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "platform/Platform.h"

namespace brindlecast {

QString GetDesktopFolder(const Platform& platform)
{
    const QString folder = platform.desktopFolder();
    if (folder.isEmpty())
        throw makeFailure(ErrorNumber::InvalidProcedureCall);
    return folder + kNativeSeparator;
}

} // namespace brindlecast
