// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProcessCommand.h"

#include <QString>

namespace brindlecast {

// The container of an output: ADTS ".aac" (what the window writes) or MP4 ".m4a".
enum class OutputFormat { Aac, M4a };

// The output's extension with its dot: ".aac" or ".m4a".
QString outputExtension(OutputFormat format);

// The encoder command for one file: the input, the bit rate and the AAC encoder as the encoder
// is always given them, and in addition told to carry the input's tags over (ID3v2 at the head
// of an ADTS .aac, MP4 metadata in an .m4a), to write the container named (the partial file's
// name does not tell it), to leave out any picture stream, and to write over the empty partial
// file that the run made for it. Input and partial file are open files handed to the encoder
// (/dev/fd/3 and /dev/fd/4 in the child), so that it reads and writes the very files the run
// checked and made, whatever another user renames meanwhile.
ProcessCommand buildEncoderCommand(const QString& encoderPath, int input, const QString& bitRate,
                                   const QString& codec, int partialOutput,
                                   OutputFormat format = OutputFormat::Aac);

// How the encoder names the passed input and partial file.
inline constexpr auto kPassedInputName = "/dev/fd/3";
inline constexpr auto kPassedOutputName = "/dev/fd/4";

// A path as the encoder must receive it to read it as a plain file name: with the "file:"
// protocol named, so that a name starting with "-" is not taken for an option and a name such
// as "pipe:1" or "concat:a|b" is not taken for another protocol.
QString encoderFileArgument(const QString& path);

// The output of an input: its base name (extension stripped) plus ".aac" in the folder, the
// doubled separator of the join collapsed.
QString outputPathIn(const QString& folder, const QString& inputPath);

inline constexpr auto kPreferredAacEncoder = "libvo_aacenc";
inline constexpr auto kNativeAacEncoder = "aac";

// The AAC encoder to name for a build whose encoder list ("-encoders") is given: libvo_aacenc
// when the build offers it, else the native aac.
QString aacEncoderFromList(const QByteArray& encoderList);

// The encoder store's builds.
inline constexpr int kEncoder32BitId = 101;
inline constexpr int kEncoder64BitId = 102;

// Build 102 (64-bit) for exactly "64", build 101 for anything else, an empty text included.
int encoderBuildFor(const QString& addressWidth);

} // namespace brindlecast
