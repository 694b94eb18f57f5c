// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/AdtsFile.h"
#include "platform/ChildProcess.h"
#include "platform/MediaInfoLibrary.h"
#include "support/EnvironmentGuard.h"
#include "support/WindowFixture.h"
#include "wav/WavFile.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace brindlecast::test {

// The real platform (real children, real MediaInfo, the installed ffmpeg) that records every
// child started and may load MediaInfo under another (missing) file name.
class ConvertPlatform : public TestPlatform {
public:
    QList<ProcessCommand> started;
    std::function<void(const ProcessCommand&)> onStart; // runs just after a start
    std::function<void(const ProcessCommand&)> onWait;  // runs after each wait for a child
    // Runs when the program would end, after the exit cleanup (which the real platform does
    // before it ends the process; here the process goes on).
    std::function<void()> onEndProcess;
    std::unique_ptr<MediaInfoLibrary> otherLibrary;
    int mediaInfoUses = 0;
    std::optional<QByteArray> encoderBytes; // deployed instead of the installed ffmpeg

    QByteArray encoderResource(int id) override
    {
        return encoderBytes ? *encoderBytes : TestPlatform::encoderResource(id);
    }
    QString encoderSource() override
    {
        return encoderBytes ? QString() : TestPlatform::encoderSource();
    }

    std::unique_ptr<ChildProcess> createChildProcess() override;
    void endProcessNow() override;
    MediaInfoLibrary& mediaInfo() override
    {
        ++mediaInfoUses;
        return otherLibrary ? *otherLibrary : TestPlatform::mediaInfo();
    }
};

// A main window with TEMP pointing at a temporary folder of its own and a work folder for WAVs.
class ConversionFixture : public BasicWindowFixture<ConvertPlatform> {
protected:
    void SetUp() override;

    QString workPath(const QString& name) const { return m_work.filePath(name); }
    QString makeWav(const QString& name, const WavFormat& format = {16000, 1, 16, 1.0});
    // Adds the rows, picks the list entry (constant or only as fallback), saves beside the input.
    void prepare(const QStringList& paths, const QString& entry, bool rateOfInput);
    // Chooses "Save results to this folder:" with the text in the folder box.
    void saveToFolder(const QString& folderText);
    void clickStartConverting();

    QStringList messagesTitled(const QString& title) const;
    QStringList closingMessages() const { return messagesTitled(m_form->applicationTitle()); }
    int encodesStarted() const;
    // The encoder of the last encode started; checks it lay in a folder of the run's own.
    QString encoderUsed() const;
    // The command of the last encode started.
    ProcessCommand lastEncode() const;
    QStringList temporaryFolderContents() const;

    QTemporaryDir m_temp;
    QTemporaryDir m_work;

private:
    EnvironmentGuard m_tempVariable{"TEMP"};
};

QString aacBeside(const QString& wav);
// The hidden partial files in the folder of a path, and whether there is one.
QStringList partialsBeside(const QString& path);
bool partialMadeBeside(const QString& path);
// Whether the command runs the encoder on the input at the rate, writing a hidden partial file
// beside the output.
::testing::AssertionResult encodes(const ProcessCommand& command, const QString& encoder,
                                   const QString& input, const QString& rate,
                                   const QString& output);
// ADTS frames from first byte to last, lasting about as long as the input, of a plausible size.
::testing::AssertionResult isAacOf(const QString& path, double seconds, int kbps);

} // namespace brindlecast::test
