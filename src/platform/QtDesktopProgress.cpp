// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDesktopProgress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFileInfo>
#include <QVariantMap>
#include <algorithm>
#include <atomic>

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

QtDesktopProgress::QtDesktopProgress() : m_connectionName(uniqueConnectionName()) {}

QtDesktopProgress::~QtDesktopProgress()
{
    if (m_tried)
        QDBusConnection::disconnectFromBus(m_connectionName);
}

std::optional<QDBusConnection> QtDesktopProgress::bus()
{
    if (!m_tried) {
        m_tried = true;
        const QString address = sessionBusAddress();
        if (!address.isEmpty()) {
            m_connected = QDBusConnection::connectToBus(address, m_connectionName).isConnected();
        }
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
