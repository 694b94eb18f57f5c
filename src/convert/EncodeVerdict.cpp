// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/EncodeVerdict.h"

#include "core/EncoderCommand.h"
#include "core/EncoderErrors.h"
#include "core/Failure.h"
#include "core/OutputDuration.h"
#include "core/StartFailure.h"
#include "platform/ChildProcess.h"
#include "platform/FileSystem.h"
#include "platform/MediaHeaders.h"
#include "platform/MediaInfoProbe.h"

#include <QCoreApplication>

namespace brindlecast {

namespace {

// An ADTS output by its frames, an MP4 one (the command line's .m4a) by its header: only that
// loads the media library.
std::optional<double> outputDuration(const FileSystem& fileSystem,
                                     const std::function<MediaInfoLibrary&()>& mediaInfo,
                                     const QString& output)
{
    if (const std::optional<double> adts = fileSystem.adtsSeconds(output))
        return adts;
    if (!startsAsMp4(output))
        return std::nullopt;
    try {
        return mp4DurationSeconds(mediaInfo(), output);
    } catch (const Failure&) {
        return std::nullopt; // without the library the length cannot be compared
    }
}

QString seconds(double value)
{
    return QString::number(value, 'f', 1);
}

} // namespace

std::optional<QString> encodeFailure(int result, const ChildProcess& process,
                                     const EncodedFiles& files, const FileSystem& fileSystem,
                                     const std::function<MediaInfoLibrary&()>& mediaInfo)
{
    const QString& input = files.input;
    const QString& output = files.output;
    const QString errorOutput = process.errorOutputTail();
    const QString& outputArgument = files.outputArgument;
    if (isStartFailureResult(result))
        return QCoreApplication::translate("ConversionRun", "the encoder could not be started (%1)")
            .arg(errorOutput);
    if (result != 0) {
        const QString line = encoderErrorLine(errorOutput, files.inputArgument, outputArgument);
        const QString reason =
            QCoreApplication::translate("ConversionRun", "the encoder failed (exit code %1)")
                .arg(result);
        return line.isEmpty() ? reason : reason + QStringLiteral(": ") + line;
    }
    if (fileSystem.regularFileSize(output) <= 0) {
        // A full disk, say, even where the encoder still ended with 0.
        const QString cause =
            encoderCauseLine(errorOutput, encoderFileArgument(input), outputArgument);
        const QString reason =
            QCoreApplication::translate("ConversionRun", "the encoder wrote no output");
        return cause.isEmpty() ? reason : reason + QStringLiteral(": ") + cause;
    }
    const QString writeError = outputWriteErrorLine(errorOutput, outputArgument);
    if (!writeError.isEmpty())
        return QCoreApplication::translate("ConversionRun", "the output is incomplete: %1")
            .arg(writeError);
    const std::optional<double> wanted = pcmWaveFileSeconds(input);
    const std::optional<double> written =
        wanted ? outputDuration(fileSystem, mediaInfo, output) : std::nullopt;
    if (wanted && written && isOutputCutOff(*wanted, *written)) {
        return QCoreApplication::translate("ConversionRun",
                                           "the output is cut off: it lasts %1 s of %2 s")
            .arg(seconds(*written), seconds(*wanted));
    }
    return std::nullopt;
}

bool isWholeOutput(const QString& input, const QString& output, const FileSystem& fileSystem,
                   const std::function<MediaInfoLibrary&()>& mediaInfo)
{
    if (fileSystem.regularFileSize(output) <= 0)
        return false;
    const std::optional<double> written = outputDuration(fileSystem, mediaInfo, output);
    if (!written)
        return false;
    const std::optional<double> wanted = pcmWaveFileSeconds(input);
    return !wanted || !isOutputCutOff(*wanted, *written);
}

} // namespace brindlecast
