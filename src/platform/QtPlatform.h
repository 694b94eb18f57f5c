// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ExitCleanup.h"
#include "platform/FileAacEncoderCache.h"
#include "platform/MediaInfoLibrary.h"
#include "platform/OutputFiles.h"
#include "platform/Platform.h"
#include "platform/PosixEncoderFolders.h"
#include "platform/PosixFileSystem.h"
#include "platform/QtDesktopProgress.h"
#include "platform/QtDialogs.h"

namespace brindlecast {

// The real services of a Linux desktop, through Qt.
class QtPlatform : public Platform {
public:
    Dialogs& dialogs() override { return m_dialogs; }
    FileSystem& fileSystem() override { return m_fileSystem; }
    DesktopProgress& desktopProgress() override { return m_desktopProgress; }
    QString applicationFolder() const override;
    QString desktopFolder() const override;
    QString musicFolder() const override;
    QString homeFolder() const override;
    QString environmentVariable(const QString& name) const override;
    void endProcessNow() override;
    ExitCleanup& exitCleanup() override { return m_exitCleanup; }
    // SIGHUP, SIGINT and SIGTERM end the process as closing the window does, and then by that
    // signal.
    [[noreturn]] void endProcessOnSignal(int signalNumber);
    std::unique_ptr<ChildProcess> createChildProcess() override;
    QByteArray encoderResource(int id) override;
    QString encoderSource() override;
    AacEncoderCache& aacEncoderCache() override;
    EncoderFolders& encoderFolders() override { return m_encoderFolders; }
    QString processorAddressWidth() override;
    QString temporaryFolder() const override;
    MediaInfoLibrary& mediaInfo() override { return m_mediaInfo; }
    OutputFiles& outputFiles() override { return m_outputFiles; }
    int usableProcessors() const override;

private:
    QtDialogs m_dialogs;
    PosixFileSystem m_fileSystem;
    MediaInfoLibrary m_mediaInfo;
    ExitCleanup m_exitCleanup;
    PosixEncoderFolders m_encoderFolders;
    PosixOutputFiles m_outputFiles;
    QtDesktopProgress m_desktopProgress;
    std::unique_ptr<FileAacEncoderCache> m_aacEncoderCache; // made at its first use
};

} // namespace brindlecast
