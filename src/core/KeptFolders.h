// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EncoderCommand.h"

#include <QString>

namespace brindlecast {

// The folder of an input below the folder it was found under, ending in the separator
// ("Album Two/" for "/music/Album Two/01.wav" found under "/music"). "" when there is no base
// folder, when the input lies directly in it, and when the input is not below it or the path
// below it has a "." or ".." step: an output kept there could land outside the output folder.
QString subfolderBelow(const QString& input, const QString& baseFolder);

// The output of an input saved into one output folder: directly in it, or with keepFolders in
// the input's subfolder below its base folder (see subfolderBelow). The name is the input's with
// its extension replaced; doubled separators of the join are collapsed. The window and the
// command line both place their outputs by this rule.
QString outputInFolder(const QString& outputFolder, const QString& input, const QString& baseFolder,
                       bool keepFolders, OutputFormat format = OutputFormat::Aac);

// The output folder as every output of outputInFolder begins, ending in the separator: the root
// below which the outputs' subfolders are made, whatever doubled separators the folder's text
// has.
QString outputRootOf(const QString& outputFolder);

} // namespace brindlecast
