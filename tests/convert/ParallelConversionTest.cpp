// SPDX-License-Identifier: GPL-3.0-or-later
// "Start Converting" with two real encoders at once through the click handler: both run
// together, every output is whole, and Escape with Yes ends both and leaves no partial file.
#include "convert/ConversionFixture.h"
#include "filelist/FileListView.h"
#include "platform/EncoderStore.h"
#include "support/ProcessWatch.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <algorithm>
#include <memory>
#include <unistd.h>
#include <vector>

namespace brindlecast::test {
namespace {

class ParallelConversion : public ConversionFixture {
protected:
    void SetUp() override
    {
        ConversionFixture::SetUp();
        // Read when "Start Converting" is pressed, so the open window takes it.
        m_settings.setValue(QStringLiteral("Encoders At Once"), QStringLiteral("2"));
        // The encoder reads its input at playing speed: two long files are still at work
        // together when they are looked at.
        m_platform.encoderBytes =
            "#!/bin/sh\nexec \"" + QFile::encodeName(installedEncoderPath()) + "\" -re \"$@\"\n";
    }

    // The partial file an encode writes.
    static QString partialOf(const ProcessCommand& command)
    {
        return command.arguments.value(command.arguments.size() - 1).mid(5);
    }
};

TEST_F(ParallelConversion, TwoEncodersRunTogetherAndEveryOutputIsWhole)
{
    const QStringList inputs = {makeWav(QStringLiteral("a.wav"), {8000, 1, 16, 3.0}),
                                makeWav(QStringLiteral("b.wav"), {8000, 1, 16, 3.0}),
                                makeWav(QStringLiteral("c.wav"), {8000, 1, 16, 1.0})};
    prepare(inputs, QStringLiteral("64 kbps"), false);
    std::size_t mostChildren = 0;
    m_platform.onWait = [&](const ProcessCommand&) {
        mostChildren = std::max(mostChildren, childrenOf(::getpid()).size());
    };

    clickStartConverting();

    EXPECT_EQ(mostChildren, 2u);
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(isAacOf(aacBeside(inputs[0]), 3.0, 64));
    EXPECT_TRUE(isAacOf(aacBeside(inputs[1]), 3.0, 64));
    EXPECT_TRUE(isAacOf(aacBeside(inputs[2]), 1.0, 64));
    EXPECT_EQ(encodesStarted(), 3);
    EXPECT_TRUE(partialsBeside(inputs[0]).isEmpty());
    EXPECT_TRUE(m_platform.exitCleanup().isEmpty());
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

TEST_F(ParallelConversion, EscapeAndYesEndBothEncodersAndLeaveNoPartial)
{
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    const QString first = makeWav(QStringLiteral("first.wav"), {8000, 1, 16, 60.0});
    const QString second = makeWav(QStringLiteral("second.wav"), {8000, 1, 16, 60.0});
    const QString third = makeWav(QStringLiteral("third.wav"), {8000, 1, 16, 0.5});
    {
        QFile old(aacBeside(first));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an earlier run's output");
    }
    prepare({first, second, third}, QStringLiteral("64 kbps"), false);
    m_platform.scripted.messageAnswers = {MessageAnswer::Yes}; // "Stop converting?"
    std::vector<std::unique_ptr<WatchedProcess>> encoders;
    m_platform.onWait = [&](const ProcessCommand&) {
        if (!encoders.empty() || encodesStarted() < 2)
            return;
        // Both encoders are at work, each holding its partial file open: they are this
        // process's only children.
        const std::vector<pid_t> children = childrenOf(::getpid());
        QStringList open;
        for (const pid_t child : children)
            open << openFilesOf(child);
        for (const ProcessCommand& command : m_platform.started) {
            if (command.arguments.contains(QStringLiteral("-ab")) &&
                !open.contains(QFileInfo(partialOf(command)).canonicalFilePath()))
                return;
        }
        for (const pid_t child : children)
            encoders.push_back(std::make_unique<WatchedProcess>(child));
        ASSERT_EQ(encoders.size(), 2u);
        for (const auto& encoder : encoders)
            ASSERT_TRUE(encoder->isHeld() && !encoder->hasEnded());
        QTest::keyClick(m_form->ListView1, Qt::Key_Escape);
    };

    clickStartConverting();

    ASSERT_EQ(encoders.size(), 2u);
    for (const auto& encoder : encoders) {
        EXPECT_TRUE(encoder->hasEnded());
        encoder->kill(); // nothing, unless the stop failed
    }
    EXPECT_EQ(closingMessages(),
              (QStringList{QStringLiteral("Stop converting?"),
                           QStringLiteral("Stopped.\r\n\r\n0 of 3 files were converted.")}));
    EXPECT_EQ(partialsBeside(first), QStringList());
    QFile old(aacBeside(first));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("an earlier run's output"));
    EXPECT_FALSE(QFile::exists(aacBeside(second)));
    EXPECT_FALSE(QFile::exists(aacBeside(third)));
    EXPECT_EQ(encodesStarted(), 2);
    EXPECT_TRUE(m_platform.exitCleanup().isEmpty());
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(m_platform.endProcessCalls, 0);
    EXPECT_FALSE(m_form->conversion().isConverting());
}

} // namespace
} // namespace brindlecast::test
