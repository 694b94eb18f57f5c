// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/FileEncoder.h"

#include "convert/EncodeVerdict.h"
#include "convert/EncoderPlacement.h"
#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "platform/EncoderFolders.h"
#include "platform/FileSystem.h"
#include "platform/OutputFiles.h"

#include <QCoreApplication>

namespace brindlecast {

namespace {

// "/a/b" of "/a/b/c.aac"; "/" of "/c.aac".
QString folderWithoutSeparator(const QString& path)
{
    const qsizetype last = path.lastIndexOf(kNativeSeparator);
    return last <= 0 ? QString(kNativeSeparator) : path.left(last);
}

} // namespace

FileEncoder::FileEncoder(const ConversionServices& services, EncodeSettings settings,
                         const QStringList& runInputs)
    : m_services(services), m_settings(std::move(settings)),
      m_claims(runInputs, services.fileSystem)
{
}

std::optional<QString> FileEncoder::refusal(const EncodeRequest& request)
{
    const FileSystem& fileSystem = m_services.fileSystem;
    // A pipe or device would keep the encoder waiting; a missing input leaves its old output.
    if (!fileSystem.isRegularFile(request.input)) {
        // Bytes that are no UTF-8 do not survive into a name the program can open again.
        return request.input.contains(QChar::ReplacementCharacter)
                   ? QCoreApplication::translate(
                         "ConversionRun", "its name is not valid UTF-8, which cannot be converted")
                   : QCoreApplication::translate("ConversionRun",
                                                 "the input is missing or not a regular file");
    }
    if (fileSystem.isSameFile(request.input, request.output))
        return QCoreApplication::translate("ConversionRun",
                                           "the output file would replace the input file");
    if (const QString clash = m_claims.claim(request.input, request.output); !clash.isEmpty())
        return clash;
    return std::nullopt;
}

std::variant<ScheduledJob, FileVerdict> FileEncoder::prepare(const EncodeRequest& request)
{
    if (const std::optional<QString> reason = refusal(request))
        return FileVerdict::failed(*reason);
    const FileSystem& fileSystem = m_services.fileSystem;
    OutputFiles& outputs = m_services.outputFiles;
    // Only a whole output is up to date: one cut off by a killed run, or left empty, is not.
    if (m_settings.skipExisting && outputs.isNewerThan(request.output, request.input) &&
        isWholeOutput(request.input, request.output, fileSystem, m_services.mediaInfo))
        return FileVerdict{FileVerdict::Outcome::Skipped, {}};
    if (fileSystem.isFolder(request.output))
        return FileVerdict::failed(
            QCoreApplication::translate("ConversionRun", "a folder is in the way of the output %1")
                .arg(request.output));
    // Checked again for every file: the encoder's folder could have been changed meanwhile.
    if (!m_services.encoderFolders.isTrusted(m_settings.encoder))
        return FileVerdict::failed(untrustedEncoderReason());
    // The encoder could not write there either, and its error would not say where.
    const QString folder = folderWithoutSeparator(request.output);
    if (fileSystem.isFolder(folder)) {
        if (const QString refused = fileSystem.writeRefusal(folder); !refused.isEmpty()) {
            return FileVerdict::failed(
                QCoreApplication::translate("ConversionRun", "cannot write into %1 (%2)")
                    .arg(folder, refused));
        }
    }
    // The file read is the one just checked: a name swapped for a pipe or a link meanwhile is
    // found here, and the probe and the encoder get the open file, never the name.
    auto files = std::make_shared<JobFiles>();
    files->input = fileSystem.openRegularFile(request.input);
    if (!files->input.isOpen())
        return FileVerdict::failed(QCoreApplication::translate(
            "ConversionRun", "the input is missing or not a regular file"));
    const std::optional<QString> bitRate = request.bitRate(files->input.openedFileName());
    if (!bitRate)
        return FileVerdict::failed(
            QCoreApplication::translate("ConversionRun", "no bit rate could be worked out"));
    try {
        files->partial = outputs.createPartial(
            request.outputRoot.isEmpty() ? FolderOfPath(request.output) : request.outputRoot,
            request.output);
    } catch (const Failure& failure) {
        return FileVerdict::failed(failure.description());
    }
    ScheduledJob job{request.file,
                     buildEncoderCommand(m_settings.encoder, files->input.get(), *bitRate,
                                         m_settings.codec, files->partial->descriptor(),
                                         m_settings.format),
                     request.input, request.output, files};
    return job;
}

FileVerdict FileEncoder::finish(const ScheduledJob& job, const ChildProcess& child, int result)
{
    PartialOutput& partial = *job.files->partial;
    const EncodedFiles judged{job.files->input.openedFileName(), partial.readablePath(),
                              encoderFileArgument(QLatin1String(kPassedInputName)),
                              encoderFileArgument(QLatin1String(kPassedOutputName))};
    std::optional<QString> failure =
        encodeFailure(result, child, judged, m_services.fileSystem, m_services.mediaInfo);
    bool replaceFailed = false;
    if (!failure) {
        try {
            partial.replaceOutput();
            return {FileVerdict::Outcome::Converted, {}};
        } catch (const Failure& renameFailure) {
            failure = renameFailure.description();
            replaceFailed = true;
        }
    }
    partial.discard();
    // The reader knows the files by their own names, not by the encoder's.
    failure->replace(QLatin1String(kPassedOutputName), job.output)
        .replace(QLatin1String(kPassedInputName), job.input);
    return {FileVerdict::Outcome::Failed, *failure, replaceFailed};
}

} // namespace brindlecast
