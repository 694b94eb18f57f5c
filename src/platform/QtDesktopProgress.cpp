// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDesktopProgress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFileInfo>
#include <QVariantMap>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace brindlecast {

namespace {

QString uniqueConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("brindlecast-desktop-%1").arg(++next);
}

// Read at the first use. Without an address, the user session's bus where systemd puts it; no
// bus is ever started on the program's behalf.
QString sessionBusAddress()
{
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!address.isEmpty())
        return address;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString socket = runtime + QStringLiteral("/bus");
    if (runtime.isEmpty() || !QFileInfo(socket).exists())
        return {};
    return QStringLiteral("unix:path=") + socket;
}

} // namespace

// The connection attempt, shared with the thread that makes it: a bus that accepts the socket but
// never answers holds that thread, not the window, and not the end of this object.
struct QtDesktopProgress::Connecting {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    bool connected = false;
};

QtDesktopProgress::QtDesktopProgress() : m_connectionName(uniqueConnectionName()) {}

QtDesktopProgress::~QtDesktopProgress()
{
    if (m_connected)
        QDBusConnection::disconnectFromBus(m_connectionName);
}

std::optional<QDBusConnection> QtDesktopProgress::bus()
{
    if (!m_connecting) {
        m_connecting = std::make_shared<Connecting>();
        const QString address = sessionBusAddress();
        if (address.isEmpty()) {
            m_connecting->done = true;
        } else {
            std::thread([attempt = m_connecting, address, name = m_connectionName] {
                const bool connected = QDBusConnection::connectToBus(address, name).isConnected();
                const std::lock_guard lock(attempt->mutex);
                attempt->connected = connected;
                attempt->done = true;
                attempt->ended.notify_all();
            }).detach();
        }
    }
    if (!m_connected) {
        // Only the first use waits: later ones take the connection once it is there.
        const int waitMs = std::exchange(m_waited, true) ? 0 : kNotifyTimeoutMs;
        std::unique_lock lock(m_connecting->mutex);
        m_connecting->ended.wait_for(lock, std::chrono::milliseconds(waitMs),
                                     [this] { return m_connecting->done; });
        m_connected = m_connecting->connected;
    }
    if (!m_connected)
        return std::nullopt;
    QDBusConnection connection(m_connectionName);
    if (!connection.isConnected())
        return std::nullopt;
    return connection;
}

void QtDesktopProgress::sendUpdate(double fraction, bool visible)
{
    std::optional<QDBusConnection> connection = bus();
    if (!connection)
        return;
    QDBusMessage update = QDBusMessage::createSignal(
        QString::fromLatin1(kDesktopProgressPath),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    QVariantMap properties;
    properties.insert(QStringLiteral("progress"), std::clamp(fraction, 0.0, 1.0));
    properties.insert(QStringLiteral("progress-visible"), visible);
    update << QString::fromLatin1(kDesktopEntryUri) << properties;
    connection->send(update);
}

void QtDesktopProgress::showProgress(double fraction)
{
    sendUpdate(fraction, true);
}

void QtDesktopProgress::clearProgress()
{
    sendUpdate(0.0, false);
}

void QtDesktopProgress::notifyRunEnded(const QString& title, const QString& text)
{
    std::optional<QDBusConnection> connection = bus();
    if (!connection)
        return;
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The desktop entry ties the notice to the program's entry and icon.
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("brindlecast-studio")}};
    notify << title << uint(0) << QStringLiteral("brindlecast-studio") << title << text
           << QStringList() << hints << int(-1);
    // The answer (the notice's id, or that nobody serves notices) is of no use: not waited for.
    connection->asyncCall(notify, kNotifyTimeoutMs);
}

} // namespace brindlecast
