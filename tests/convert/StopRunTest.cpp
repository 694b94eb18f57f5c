// SPDX-License-Identifier: GPL-3.0-or-later
// Stopping a long run without quitting: Escape during a run asks first; Yes ends the encoder at
// work and converts nothing more, No changes nothing.
#include "convert/ConversionFixture.h"
#include "filelist/FileListView.h"
#include "platform/EncoderStore.h"

#include <QAccessible>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace brindlecast::test {
namespace {

class StopRun : public ConversionFixture {
protected:
    void SetUp() override
    {
        ConversionFixture::SetUp();
        // The encoder reads its input at playing speed, so a long file is still at work when
        // Escape is pressed.
        m_platform.encoderBytes =
            "#!/bin/sh\nexec \"" + QFile::encodeName(installedEncoderPath()) + "\" -re \"$@\"\n";
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }

    // Presses Escape once, while the input's encode has begun writing its output.
    void pressEscapeWhileEncoding(const QString& input)
    {
        m_platform.onWait = [this, input](const ProcessCommand& command) {
            if (m_pressed || !command.arguments.contains(QStringLiteral("file:") + input) ||
                !partialMadeBeside(input))
                return;
            m_pressed = true;
            QTest::keyClick(m_form->ListView1, Qt::Key_Escape);
        };
    }

    void expectOneQuestion() const
    {
        QList<MessageRequest> questions;
        for (const MessageRequest& message : m_platform.scripted.messages) {
            if (message.buttons == MessageButtons::YesNo)
                questions.append(message);
        }
        ASSERT_EQ(questions.size(), 1);
        EXPECT_EQ(questions[0].text, QStringLiteral("Stop converting?"));
        EXPECT_EQ(questions[0].title, m_form->applicationTitle());
    }

    bool m_pressed = false;
};

TEST_F(StopRun, YesEndsTheEncoderAndKeepsWhatIsFinished)
{
    const QString first = makeWav(QStringLiteral("first.wav"), {8000, 1, 16, 0.5});
    const QString missing = workPath(QStringLiteral("missing.wav"));
    const QString longOne = makeWav(QStringLiteral("long.wav"), {8000, 1, 16, 60.0});
    const QString last = makeWav(QStringLiteral("last.wav"), {8000, 1, 16, 0.5});
    prepare({first, missing, longOne, last}, QStringLiteral("64 kbps"), false);
    m_platform.scripted.messageAnswers = {MessageAnswer::Yes};
    pressEscapeWhileEncoding(longOne);

    clickStartConverting();

    ASSERT_TRUE(m_pressed);
    expectOneQuestion();
    EXPECT_EQ(closingMessages().last(),
              QStringLiteral("Stopped.\r\n\r\n1 of 4 files were converted.\r\n\r\n1 of 4 files "
                             "failed:\r\n") +
                  missing + QStringLiteral(" - the input is missing or not a regular file"));
    EXPECT_TRUE(isAacOf(aacBeside(first), 0.5, 64));
    EXPECT_FALSE(QFile::exists(aacBeside(longOne)));
    EXPECT_FALSE(QFile::exists(aacBeside(last)));
    EXPECT_EQ(partialsBeside(longOne), QStringList());
    EXPECT_EQ(encodesStarted(), 2);
    EXPECT_TRUE(m_platform.exitCleanup().isEmpty());
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(m_platform.endProcessCalls, 0);
    EXPECT_FALSE(m_form->conversion().isConverting());

    // The next run starts afresh and converts everything.
    m_platform.scripted.messages.clear();
    m_platform.encoderBytes.reset();
    m_form->ListView1->removeAllRows();
    prepare({first, last}, QStringLiteral("64 kbps"), false);
    clickStartConverting();
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
}

TEST_F(StopRun, NoKeepsConverting)
{
    const QString first = makeWav(QStringLiteral("first.wav"), {8000, 1, 16, 1.0});
    const QString second = makeWav(QStringLiteral("second.wav"), {8000, 1, 16, 0.5});
    prepare({first, second}, QStringLiteral("64 kbps"), false);
    m_platform.scripted.messageAnswers = {MessageAnswer::No, MessageAnswer::No};
    // Escape, and then closing the window, while the first file converts.
    int asked = 0;
    m_platform.onWait = [&](const ProcessCommand& command) {
        if (asked > 0 || !command.arguments.contains(QStringLiteral("file:") + first) ||
            !partialMadeBeside(first))
            return;
        asked = 2;
        QTest::keyClick(m_form->ListView1, Qt::Key_Escape);
        m_form->close();
    };

    clickStartConverting();

    ASSERT_EQ(asked, 2);
    EXPECT_EQ(closingMessages(),
              (QStringList{QStringLiteral("Stop converting?"), QStringLiteral("Stop converting?"),
                           QStringLiteral("Done.")}));
    EXPECT_TRUE(isAacOf(aacBeside(first), 1.0, 64));
    EXPECT_TRUE(isAacOf(aacBeside(second), 0.5, 64));
    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(m_platform.endProcessCalls, 0);
}

TEST_F(StopRun, TheStartButtonReadsStopDuringTheRunAndAsksAsEscapeDoes)
{
    const QString first = makeWav(QStringLiteral("first.wav"), {8000, 1, 16, 1.0});
    const QString second = makeWav(QStringLiteral("second.wav"), {8000, 1, 16, 30.0});
    prepare({first, second}, QStringLiteral("64 kbps"), false);
    QPushButton* button = m_form->PushButton2;
    const auto spokenName = [button] {
        return QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
    };
    EXPECT_EQ(spokenName(), QStringLiteral("Start Converting"));
    // No while the first file converts, Yes while the second does.
    m_platform.scripted.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    QStringList captions;
    QStringList spokenNames;
    m_platform.onWait = [&](const ProcessCommand& command) {
        const QString input = captions.isEmpty() ? first : second;
        if (captions.size() == 2 || !command.arguments.contains(QStringLiteral("file:") + input) ||
            !partialMadeBeside(input))
            return;
        captions.append(button->text());
        spokenNames.append(spokenName());
        // From the window's event loop, as a user's click comes.
        QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    };

    clickStartConverting();

    EXPECT_EQ(captions,
              (QStringList{QStringLiteral("Stop Converting"), QStringLiteral("Stop Converting")}));
    EXPECT_EQ(spokenNames, captions);
    EXPECT_EQ(closingMessages(),
              (QStringList{QStringLiteral("Stop converting?"), QStringLiteral("Stop converting?"),
                           QStringLiteral("Stopped.\r\n\r\n1 of 2 files were converted.")}));
    // The first No went on, and no click started another run.
    EXPECT_TRUE(isAacOf(aacBeside(first), 1.0, 64));
    EXPECT_FALSE(QFile::exists(aacBeside(second)));
    EXPECT_EQ(encodesStarted(), 2);
    EXPECT_EQ(button->text(), QStringLiteral("Start Converting"));
    EXPECT_EQ(spokenName(), QStringLiteral("Start Converting"));
    EXPECT_FALSE(m_form->conversion().isConverting());
}

} // namespace
} // namespace brindlecast::test
