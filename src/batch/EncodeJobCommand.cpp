// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/EncodeJobCommand.h"

#include "core/EncoderCommand.h"

namespace brindlecast {

ProcessCommand batchEncoderCommand(const QString& encoderPath, const QString& inputPath,
                                   const QString& bitRate, const QString& codec,
                                   const QString& partialOutput, OutputFormat format)
{
    ProcessCommand command =
        buildEncoderCommand(encoderPath, inputPath, bitRate, codec, partialOutput).process;
    QStringList container{QStringLiteral("-map_metadata"), QStringLiteral("0"),
                          QStringLiteral("-vn")};
    if (format == OutputFormat::M4a)
        container << QStringLiteral("-f") << QStringLiteral("ipod");
    else
        container << QStringLiteral("-f") << QStringLiteral("adts")
                  << QStringLiteral("-write_id3v2") << QStringLiteral("1");
    container << QStringLiteral("-y");
    // Output options go right before the output, which is the last argument.
    for (const QString& argument : container)
        command.arguments.insert(command.arguments.size() - 1, argument);
    return command;
}

} // namespace brindlecast
