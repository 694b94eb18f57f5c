// SPDX-License-Identifier: GPL-3.0-or-later
// Closing the window while an encoder works, and saying Yes to stopping: the run ends the encoder
// and removes its partial output and the deployed encoder, says so, and the program ends.
#include "convert/ConversionFixture.h"
#include "platform/EncoderStore.h"
#include "support/ProcessWatch.h"

#include <QFile>
#include <QFileInfo>
#include <memory>
#include <unistd.h>

namespace brindlecast::test {
namespace {

using EndDuringRun = ConversionFixture;

TEST_F(EndDuringRun, ClosingTheWindowEndsTheEncoderAndRemovesWhatItLeaves)
{
    // A slow source: the encoder reads its input at playing speed, so it is still at work when
    // the window closes.
    m_platform.encoderBytes =
        "#!/bin/sh\nexec \"" + QFile::encodeName(installedEncoderPath()) + "\" -re \"$@\"\n";
    const QString input = makeWav(QStringLiteral("long.wav"), {8000, 1, 16, 60.0});
    const QString output = aacBeside(input);
    prepare({input}, QStringLiteral("64 kbps"), false);
    QString encoderFolder;
    std::unique_ptr<WatchedProcess> encoder;
    m_platform.onWait = [&](const ProcessCommand& command) {
        if (!encoderFolder.isEmpty() || !command.arguments.contains(QStringLiteral("-ab")) ||
            !partialMadeBeside(output))
            return;
        encoderFolder = QFileInfo(command.program).path();
        // The encoder at work is the only child of this process.
        const std::vector<pid_t> children = childrenOf(::getpid());
        ASSERT_EQ(children.size(), 1u);
        encoder = std::make_unique<WatchedProcess>(children.front());
        ASSERT_TRUE(encoder->isHeld());
        EXPECT_FALSE(encoder->hasEnded());
        m_form->close();
    };
    bool encoderEnded = false;
    bool outputLeft = true;
    bool encoderLeft = true;
    QStringList messagesBeforeTheEnd;
    m_platform.onEndProcess = [&] {
        encoderEnded = encoder && encoder->hasEnded();
        outputLeft = QFile::exists(output) || !partialsBeside(output).isEmpty();
        encoderLeft = QFileInfo::exists(encoderFolder);
        messagesBeforeTheEnd = m_platform.scripted.messageTexts();
    };
    m_platform.scripted.messageAnswers = {MessageAnswer::Yes}; // "Stop converting?"

    clickStartConverting();

    ASSERT_FALSE(encoderFolder.isEmpty());
    EXPECT_EQ(m_platform.endProcessCalls, 1);
    EXPECT_TRUE(encoderEnded);
    EXPECT_EQ(messagesBeforeTheEnd,
              (QStringList{QStringLiteral("Stop converting?"),
                           QStringLiteral("Stopped.\r\n\r\n0 of 1 file was converted.")}));
    EXPECT_FALSE(outputLeft);
    EXPECT_FALSE(encoderLeft);
    EXPECT_TRUE(QFile::exists(input));
}

} // namespace
} // namespace brindlecast::test
