// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace brindlecast {

// What a media file's own header tells, read in microseconds and without the media library.
// Only regular files are read; a FIFO or device is never waited on.

// How long a PCM WAV file plays (see pcmWaveSeconds); nullopt for any other file.
std::optional<double> pcmWaveFileSeconds(const QString& path);

// True when the file starts as an MP4 one does, with its "ftyp" box.
bool startsAsMp4(const QString& path);

} // namespace brindlecast
