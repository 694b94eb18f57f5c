// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProcessCommand.h"

#include <QString>
#include <QStringList>

namespace brindlecast {

// One encoder call: what is started, and its text form as messages and tests show it
// ("<encoder>" -i "<input>" -ab 128k -acodec aac "<output>").
struct EncoderCommand {
    ProcessCommand process;
    QString text;
};

EncoderCommand buildEncoderCommand(const QString& encoderPath, const QString& inputPath,
                                   const QString& bitRate, const QString& codec,
                                   const QString& outputPath);

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
