// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/BatchOptions.h"
#include "core/ProcessCommand.h"

#include <QString>

namespace brindlecast {

// The window's encoder command, told in addition to carry the input's tags over (ID3v2 in an
// ADTS .aac, MP4 metadata in an .m4a), to write the container named (the partial file's name
// does not tell it), to leave out any picture stream, and to write over the empty partial file
// that the run made for it.
ProcessCommand batchEncoderCommand(const QString& encoderPath, const QString& inputPath,
                                   const QString& bitRate, const QString& codec,
                                   const QString& partialOutput, OutputFormat format);

} // namespace brindlecast
