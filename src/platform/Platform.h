// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace brindlecast {

class AacEncoderCache;
class ChildProcess;
class DesktopProgress;
class Dialogs;
class EncoderFolders;
class ExitCleanup;
class FileSystem;
class MediaInfoLibrary;
class OutputFiles;

// The operating-system services the program uses, behind one object that Form1 receives through
// its constructor, so that tests can replace any of them.
class Platform {
public:
    virtual ~Platform() = default;

    virtual Dialogs& dialogs() = 0;

    virtual FileSystem& fileSystem() = 0;

    // Progress on the task bar and the notice of a run that ended unseen.
    virtual DesktopProgress& desktopProgress() = 0;

    // Folder of the executable, without a trailing separator.
    virtual QString applicationFolder() const = 0;

    // The user's desktop folder without a trailing separator, or "" when it cannot be resolved.
    virtual QString desktopFolder() const = 0;

    // The user's music folder and home folder, likewise; neither need exist.
    virtual QString musicFolder() const = 0;
    virtual QString homeFolder() const = 0;

    // "" when the variable is unset.
    virtual QString environmentVariable(const QString& name) const = 0;

    // Ends the process at once: no saving, no questions. What the exit cleanup holds (a running
    // encoder, its partial output, the deployed encoder) is cleaned up first.
    virtual void endProcessNow() = 0;

    // What must be cleaned up when the process ends in the middle of work.
    virtual ExitCleanup& exitCleanup() = 0;

    // A new, not yet started child process.
    virtual std::unique_ptr<ChildProcess> createChildProcess() = 0;

    // The bytes of encoder build 101 (32-bit) or 102 (64-bit); throws Failure when the store has
    // no such build.
    virtual QByteArray encoderResource(int id) = 0;

    // The file the encoder builds' bytes are read from, "" when they come from no file.
    virtual QString encoderSource() = 0;

    // The AAC encoder each encoder file named, kept across runs.
    virtual AacEncoderCache& aacEncoderCache() = 0;

    // The private folders that hold each run's encoder.
    virtual EncoderFolders& encoderFolders() = 0;

    // The processor's address width in bits as decimal text, or "" when it cannot be told.
    virtual QString processorAddressWidth() = 0;

    // The folder for temporary files, without a trailing separator.
    virtual QString temporaryFolder() const = 0;

    // The MediaInfo library, loaded at its first use.
    virtual MediaInfoLibrary& mediaInfo() = 0;

    // How outputs are put in place: written under a hidden name, renamed over the final one.
    virtual OutputFiles& outputFiles() = 0;

    // How many processors this process may run on; at least 1.
    virtual int usableProcessors() const = 0;
};

} // namespace brindlecast
