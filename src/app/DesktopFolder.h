// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

class Platform;

// The user's desktop folder with a trailing separator; throws Failure when it can't be resolved.
QString GetDesktopFolder(const Platform& platform);

// Where results go until the user picks a folder: the desktop folder where it exists, else the
// music folder where that exists, else the home folder; each with a trailing separator.
QString defaultOutputFolder(Platform& platform);

} // namespace brindlecast
