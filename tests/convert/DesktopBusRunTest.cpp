// SPDX-License-Identifier: GPL-3.0-or-later
// Runs of the window seen from the desktop's side of a session bus of the test's own: the task
// bar's progress, the notice of a run that ended unseen, and runs without a notification server
// or without any bus.
#include "convert/ConversionFixture.h"
#include "platform/QtDesktopProgress.h"
#include "support/PrivateSessionBus.h"
#include "support/QtPrinters.h"

#include <QTest>
#include <memory>

namespace brindlecast::test {
namespace {

class DesktopBusRun : public ConversionFixture {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_bus.address().isEmpty()) << m_bus.failure().toStdString();
        m_busVariable.set(m_bus.address().toLocal8Bit());
        // The window takes the desktop's services when it is made.
        m_platform.progressOnDesktop = &m_desktop;
        ConversionFixture::SetUp();
    }

    void listen(DesktopBusListener::Notices notices)
    {
        m_listener = std::make_unique<DesktopBusListener>(m_bus.address(), notices);
        ASSERT_TRUE(m_listener->isReady());
    }

    void prepareTwoFiles(bool secondMissing = false)
    {
        prepare({makeWav(QStringLiteral("one.wav"), {8000, 1, 16, 0.5}),
                 secondMissing ? workPath(QStringLiteral("missing.wav"))
                               : makeWav(QStringLiteral("two.wav"), {8000, 1, 16, 0.5})},
                QStringLiteral("64 kbps"), false);
    }

    void activateElsewhere()
    {
        m_elsewhere.show();
        m_elsewhere.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_elsewhere));
        ASSERT_FALSE(m_form->isActiveWindow());
    }

    PrivateSessionBus m_bus;
    EnvironmentGuard m_busVariable{"DBUS_SESSION_BUS_ADDRESS"};
    QtDesktopProgress m_desktop; // reaches the bus at its first use, during the run
    std::unique_ptr<DesktopBusListener> m_listener;
    QWidget m_elsewhere;
};

TEST_F(DesktopBusRun, TaskBarProgressRisesDuringTheRunAndIsHiddenAtItsEnd)
{
    listen(DesktopBusListener::Notices::Served);
    prepareTwoFiles();

    clickStartConverting();

    ASSERT_TRUE(m_listener->waitForHiddenProgress());
    const QList<DesktopBusListener::Update>& updates = m_listener->updates;
    ASSERT_EQ(updates.size(), 4);
    QList<double> progress;
    for (qsizetype i = 0; i + 1 < updates.size(); ++i) {
        EXPECT_TRUE(updates[i].properties.value(QStringLiteral("progress-visible")).toBool());
        EXPECT_EQ(updates[i].uri, QStringLiteral("application://brindlecast-studio.desktop"));
        progress.append(updates[i].properties.value(QStringLiteral("progress")).toDouble());
    }
    EXPECT_DOUBLE_EQ(progress[0], 0.0);
    EXPECT_GT(progress[1], progress[0]);
    EXPECT_GT(progress[2], progress[1]);
    EXPECT_DOUBLE_EQ(progress[2], 1.0);
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
}

TEST_F(DesktopBusRun, ARunEndingUnseenSendsOneNoticeWithItsOutcome)
{
    listen(DesktopBusListener::Notices::Served);
    prepareTwoFiles(true);
    activateElsewhere();

    clickStartConverting();

    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_listener->notices.isEmpty(); }, 10000));
    // The notice goes before the progress is hidden; once that is seen, no second one follows.
    ASSERT_TRUE(m_listener->waitForHiddenProgress());
    ASSERT_EQ(m_listener->notices.size(), 1);
    const DesktopBusListener::Notice& notice = m_listener->notices[0];
    EXPECT_EQ(notice.appName, m_form->applicationTitle());
    EXPECT_EQ(notice.summary, m_form->applicationTitle());
    EXPECT_EQ(notice.body, QStringLiteral("Converted 1 of 2 files (1 failed)"));
}

TEST_F(DesktopBusRun, ARunEndingInTheActiveWindowSendsNoNotice)
{
    listen(DesktopBusListener::Notices::Served);
    prepareTwoFiles();
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));

    clickStartConverting();

    // A notice would have been delivered before the signal that hides the progress.
    ASSERT_TRUE(m_listener->waitForHiddenProgress());
    EXPECT_TRUE(m_listener->notices.isEmpty());
}

TEST_F(DesktopBusRun, WithoutANotificationServerTheUnseenRunEndsAsAlways)
{
    listen(DesktopBusListener::Notices::NotServed);
    prepareTwoFiles();
    activateElsewhere();

    clickStartConverting();

    EXPECT_EQ(m_platform.scripted.messageTexts(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Brindlecast Studio"));
    EXPECT_FALSE(m_form->conversion().isConverting());
    // The unanswered notice did not hold the connection up.
    ASSERT_TRUE(m_listener->waitForHiddenProgress());
    EXPECT_TRUE(m_listener->notices.isEmpty());
}

// No session bus at all: the address names a socket that does not exist.
class NoDesktopBusRun : public ConversionFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_nowhere.isValid());
        m_busVariable.set("unix:path=" +
                          QFile::encodeName(m_nowhere.filePath(QStringLiteral("bus"))));
        m_platform.progressOnDesktop = &m_desktop;
        ConversionFixture::SetUp();
    }

    QTemporaryDir m_nowhere;
    EnvironmentGuard m_busVariable{"DBUS_SESSION_BUS_ADDRESS"};
    QtDesktopProgress m_desktop;
    QWidget m_elsewhere;
};

TEST_F(NoDesktopBusRun, TheRunEndsNormally)
{
    const QString one = makeWav(QStringLiteral("one.wav"), {8000, 1, 16, 0.5});
    prepare({one}, QStringLiteral("64 kbps"), false);
    m_elsewhere.show();
    m_elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_elsewhere));

    clickStartConverting();

    EXPECT_EQ(m_platform.scripted.messageTexts(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(isAacOf(aacBeside(one), 0.5, 64));
    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("Brindlecast Studio"));
    EXPECT_FALSE(m_form->conversion().isConverting());
}

} // namespace
} // namespace brindlecast::test
