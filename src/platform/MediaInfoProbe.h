// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace brindlecast {

class MediaInfoLibrary;

// The "BitRate" of the General stream of a file, as the library answers it ("" when it has
// none, and for anything but a regular file). The library's handle is released before this
// returns, also on failure.
QString mediaInfoGeneralBitRate(MediaInfoLibrary& library, const QString& path);

// How long a PCM WAV file plays, by its header as the library reads it (exact, and checked
// against the file's size); nullopt for any other file, whose length read from the headers alone
// may be an estimate. Throws Failure when the library cannot be used.
std::optional<double> pcmWaveDurationSeconds(MediaInfoLibrary& library, const QString& path);

// How long an MP4 file (an .m4a output) plays by its header, which the muxer writes last, once
// the stream is whole; nullopt for any other file. Throws Failure when the library cannot be
// used.
std::optional<double> mp4DurationSeconds(MediaInfoLibrary& library, const QString& path);

// The bit-rate text of the input's own overall bit rate, in whole kilobits per second; nullopt
// when the library has no usable answer. Throws Failure when the library cannot be used or its
// answer does not convert.
std::optional<QString> inputBitRate(MediaInfoLibrary& library, const QString& inputPath);

// The bit-rate text for an input file: its overall bit rate as MediaInfo reads it, in whole
// kilobits per second, or getBitRate(listEntry) when the library has no usable answer.
// Throws Failure when the library cannot be used or its answer does not convert.
QString getAudioBitRate(MediaInfoLibrary& library, const QString& inputPath,
                        const QString& listEntry);

} // namespace brindlecast
