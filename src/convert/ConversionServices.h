// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ChildProcess.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace brindlecast {

class AacEncoderCache;
class EncoderFolders;
class ErrorBox;
class ExitCleanup;
class FileSystem;
class MediaInfoLibrary;
class OutputFiles;
class Platform;

// The system services a run uses, each behind its interface so that tests can replace it.
struct ConversionServices {
    ErrorBox& errorBox; // the error box of a failed step
    FileSystem& fileSystem;
    EncoderFolders& encoderFolders;
    ExitCleanup& exitCleanup;
    OutputFiles& outputFiles;
    std::function<MediaInfoLibrary&()> mediaInfo; // loaded at its first use
    std::function<std::unique_ptr<ChildProcess>()> createChildProcess;
    std::function<QString()> temporaryFolder;          // read afresh at each run
    std::function<QString()> addressWidth;             // "64", "32", or "" when it cannot be told
    std::function<QByteArray(int build)> encoderBuild; // throws Failure when there is none
    // The file encoderBuild reads the builds from, "" when their bytes come from no file.
    std::function<QString()> encoderSource = [] { return QString(); };
    // Where the AAC encoder of such a file is kept across runs; nowhere when null.
    AacEncoderCache* aacEncoderCache = nullptr;
};

// The services of the real platform.
ConversionServices conversionServicesOf(Platform& platform);

} // namespace brindlecast
