// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <optional>

namespace brindlecast {

// Gives up to length bytes of a file from offset on: fewer where the file ends.
using FileBytesAt = std::function<QByteArray(qint64 offset, qint64 length)>;

// How long a PCM WAV file of fileSize bytes plays, by its RIFF header alone: a "fmt " chunk of
// integer PCM (format 1, or an extensible format with the PCM subformat) and then its "data"
// chunk, of which only the bytes actually in the file count (a cut-off file plays what is
// there). Exact, as the header states every byte; nullopt for anything else (a compressed or
// float format, an empty or damaged file), whose length the header does not tell exactly.
std::optional<double> pcmWaveSeconds(qint64 fileSize, const FileBytesAt& bytesAt);

} // namespace brindlecast
