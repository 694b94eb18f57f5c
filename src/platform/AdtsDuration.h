// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace brindlecast {

// How long the AAC stream of an ADTS file (what the encoder writes as ".aac") plays, counted
// from its frame headers up to the last whole frame; nullopt when the file does not start with
// such a frame (after an ID3v2 tag, if it has one). Reading the headers takes microseconds, where a
// media library parses every frame.
std::optional<double> adtsDurationSeconds(const QString& path);

} // namespace brindlecast
