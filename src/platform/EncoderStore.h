// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EncoderCommand.h"

#include <QByteArray>
#include <QString>

namespace brindlecast {

// Where the encoder builds come from: both ids stand for the ffmpeg installed on this system
// (found on PATH), one executable that suits the processor. "" when there is none.
QString installedEncoderPath();

// The bytes of build 101 or 102; throws Failure when the id is unknown or the encoder cannot be
// read.
QByteArray loadEncoderBuild(int id);

} // namespace brindlecast
