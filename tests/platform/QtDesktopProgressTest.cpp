// SPDX-License-Identifier: GPL-3.0-or-later
// Task-bar progress and run notices on a session bus of the test's own, with a stand-in for the
// desktop's notification server; and what happens with no server or no bus at all.
#include "platform/QtDesktopProgress.h"

#include "support/EnvironmentGuard.h"
#include "support/PrivateSessionBus.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace brindlecast::test {
namespace {

class DesktopBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_bus.address().isEmpty()) << m_bus.failure().toStdString();
        m_busVariable.set(m_bus.address().toLocal8Bit());
    }

    std::unique_ptr<DesktopBusListener> listen(DesktopBusListener::Notices notices)
    {
        auto listener = std::make_unique<DesktopBusListener>(m_bus.address(), notices);
        EXPECT_TRUE(listener->isReady());
        return listener;
    }

    PrivateSessionBus m_bus;
    EnvironmentGuard m_busVariable{"DBUS_SESSION_BUS_ADDRESS"};
};

TEST_F(DesktopBus, ProgressReachesTheLauncherEntryAndIsHiddenAtTheEnd)
{
    const auto listener = listen(DesktopBusListener::Notices::NotServed);
    QtDesktopProgress desktop;

    desktop.showProgress(0.25);
    desktop.showProgress(1.5); // never past the whole
    desktop.clearProgress();

    ASSERT_TRUE(listener->waitForHiddenProgress());
    ASSERT_EQ(listener->updates.size(), 3);
    const QList<double> expected{0.25, 1.0};
    for (int i = 0; i < 3; ++i) {
        const DesktopBusListener::Update& update = listener->updates[i];
        EXPECT_EQ(update.path, QStringLiteral("/org/quenbrook/BrindlecastStudio"));
        EXPECT_EQ(update.uri, QStringLiteral("application://brindlecast-studio.desktop"));
        EXPECT_EQ(update.properties.value(QStringLiteral("progress-visible")).toBool(), i < 2);
        if (i < 2) {
            EXPECT_DOUBLE_EQ(update.properties.value(QStringLiteral("progress")).toDouble(),
                             expected[i]);
        }
    }
}

TEST_F(DesktopBus, ANoticeReachesTheNotificationServer)
{
    const auto listener = listen(DesktopBusListener::Notices::Served);
    QtDesktopProgress desktop;

    desktop.notifyRunEnded(QStringLiteral("Brindlecast"),
                           QStringLiteral("Converted 2 of 3 files (1 failed)"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !listener->notices.isEmpty(); }, 10000));
    ASSERT_EQ(listener->notices.size(), 1);
    const DesktopBusListener::Notice& notice = listener->notices[0];
    EXPECT_EQ(notice.appName, QStringLiteral("Brindlecast"));
    EXPECT_EQ(notice.summary, QStringLiteral("Brindlecast"));
    EXPECT_EQ(notice.body, QStringLiteral("Converted 2 of 3 files (1 failed)"));
    EXPECT_EQ(notice.replacesId, 0u);
    EXPECT_EQ(notice.expireTimeout, -1);
    EXPECT_EQ(notice.hints.value(QStringLiteral("desktop-entry")).toString(),
              QStringLiteral("brindlecast-studio"));
}

TEST_F(DesktopBus, WithoutAnAddressTheSessionsOwnBusIsUsed)
{
    // The bus where systemd puts a user session's: the runtime folder's "bus".
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString path = m_bus.address().section(u'=', 1).section(u',', 0, 0);
    ASSERT_TRUE(m_bus.address().startsWith(u"unix:path=")) << m_bus.address().toStdString();
    ASSERT_TRUE(QFile::link(path, runtime.filePath(QStringLiteral("bus"))));
    EnvironmentGuard runtimeVariable("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    m_busVariable.unset();
    const auto listener = listen(DesktopBusListener::Notices::NotServed);
    QtDesktopProgress desktop;

    desktop.clearProgress();

    ASSERT_TRUE(listener->waitForHiddenProgress());
    EXPECT_EQ(listener->updates.size(), 1);
}

TEST_F(DesktopBus, WithoutANotificationServerTheNoticeIsDroppedAndTheBusStaysUsable)
{
    const auto listener = listen(DesktopBusListener::Notices::NotServed);
    QtDesktopProgress desktop;

    desktop.notifyRunEnded(QStringLiteral("Brindlecast"), QStringLiteral("Converted 1 of 1 files"));
    desktop.clearProgress();

    // The unanswered call held nothing up: the signal sent after it arrives.
    ASSERT_TRUE(listener->waitForHiddenProgress());
    EXPECT_EQ(listener->updates.size(), 1);
    EXPECT_TRUE(listener->notices.isEmpty());
}

TEST(NoDesktopBus, EveryCallReturnsAndTheNextBusIsNotTouched)
{
    // A bus address whose socket does not exist, and then none at all, in a session whose
    // runtime folder holds no bus either.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EnvironmentGuard runtime("XDG_RUNTIME_DIR", QFile::encodeName(folder.path()));
    for (const QByteArray& address :
         {QByteArray("unix:path=") + QFile::encodeName(folder.filePath(QStringLiteral("none"))),
          QByteArray()}) {
        EnvironmentGuard variable("DBUS_SESSION_BUS_ADDRESS", address);
        if (address.isEmpty())
            variable.unset();
        QtDesktopProgress desktop;
        desktop.showProgress(0.5);
        desktop.notifyRunEnded(QStringLiteral("Brindlecast"), QStringLiteral("Converted"));
        desktop.clearProgress();
        // Nothing was made at the address on the program's behalf.
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList());
    }
}

// A bus that takes connections into its socket's queue and never answers them. Once a generous
// time has passed the socket is closed, which releases whoever still waits on it, so that a test
// which would hang fails instead.
class HungBus {
public:
    explicit HungBus(const QString& path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::copy(name.begin(), name.end(), address.sun_path);
        m_socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        m_listening =
            m_socket >= 0 &&
            ::bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(m_socket, 16) == 0;
        m_watch = std::thread([this] {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait_for(lock, std::chrono::seconds(20), [this] { return m_ended; }))
                m_released = true;
            ::close(m_socket);
        });
    }
    ~HungBus()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_ended = true;
        }
        m_wake.notify_all();
        m_watch.join();
    }
    HungBus(const HungBus&) = delete;
    HungBus& operator=(const HungBus&) = delete;

    bool isListening() const { return m_listening; }
    bool hadToRelease() const { return m_released; }

private:
    int m_socket = -1;
    bool m_listening = false;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_ended = false;
    std::atomic<bool> m_released = false;
    std::thread m_watch;
};

TEST(HungDesktopBus, NoCallWaitsForABusThatNeverAnswers)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString socket = folder.filePath(QStringLiteral("bus"));
    HungBus bus(socket);
    ASSERT_TRUE(bus.isListening());
    EnvironmentGuard variable("DBUS_SESSION_BUS_ADDRESS",
                              QByteArray("unix:path=") + QFile::encodeName(socket));
    {
        QtDesktopProgress desktop;
        desktop.showProgress(0.5);
        desktop.notifyRunEnded(QStringLiteral("Brindlecast"), QStringLiteral("Converted"));
        desktop.clearProgress();
    }
    EXPECT_FALSE(bus.hadToRelease()) << "a call waited until the bus was closed";
}

} // namespace
} // namespace brindlecast::test
