// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

class Platform;

// The user's desktop folder with a trailing separator; throws Failure when it can't be resolved.
QString GetDesktopFolder(const Platform& platform);

} // namespace brindlecast
