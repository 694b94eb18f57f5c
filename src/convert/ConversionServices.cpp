// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ConversionServices.h"

#include "platform/Dialogs.h"
#include "platform/EncoderDeployment.h"
#include "platform/Platform.h"

namespace brindlecast {

ConversionServices conversionServicesOf(Platform& platform)
{
    return {platform.dialogs(),
            platform.fileSystem(),
            platform.encoderFolders(),
            platform.exitCleanup(),
            platform.outputFiles(),
            [&platform]() -> MediaInfoLibrary& { return platform.mediaInfo(); },
            [&platform] { return platform.createChildProcess(); },
            [&platform] { return platform.temporaryFolder(); },
            [&platform] { return GetAddressWidth(platform); },
            [&platform](int build) { return platform.encoderResource(build); },
            [&platform] { return platform.encoderSource(); },
            &platform.aacEncoderCache()};
}

} // namespace brindlecast
