// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PrivateSessionBus.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QTest>
#include <csignal>
#include <sys/prctl.h>

namespace brindlecast::test {

namespace {

constexpr int kStartWaitMs = 10000;

QByteArray configuration(const QString& socket)
{
    return QByteArrayLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus "
                             "Configuration 1.0//EN\"\n"
                             " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                             "<busconfig>\n"
                             "  <type>session</type>\n"
                             "  <listen>unix:path=") +
           QFile::encodeName(socket) +
           QByteArrayLiteral("</listen>\n"
                             "  <auth>EXTERNAL</auth>\n"
                             "  <policy context=\"default\">\n"
                             "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                             "    <allow eavesdrop=\"true\"/>\n"
                             "    <allow own=\"*\"/>\n"
                             "  </policy>\n"
                             "</busconfig>\n");
}

} // namespace

PrivateSessionBus::PrivateSessionBus()
{
    const QString config = m_folder.filePath(QStringLiteral("session.conf"));
    QFile file(config);
    if (!m_folder.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(configuration(m_folder.filePath(QStringLiteral("bus")))) < 0) {
        m_failure = QStringLiteral("cannot write the bus configuration");
        return;
    }
    file.close();
    m_daemon.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config, QStringLiteral("--print-address"),
                    QStringLiteral("--nofork"), QStringLiteral("--nopidfile")});
    if (!m_daemon.waitForStarted(kStartWaitMs)) {
        m_failure = QStringLiteral("dbus-daemon did not start: ") + m_daemon.errorString();
        return;
    }
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(kStartWaitMs)) {
    }
    m_address = QString::fromLocal8Bit(m_daemon.readLine()).trimmed();
    if (m_address.isEmpty())
        m_failure = QStringLiteral("dbus-daemon gave no address");
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
}

DesktopBusListener::DesktopBusListener(const QString& address, Notices serving)
    : m_connectionName(QStringLiteral("desktop-bus-listener-%1").arg(quintptr(this)))
{
    QDBusConnection connection = QDBusConnection::connectToBus(address, m_connectionName);
    if (!connection.isConnected())
        return;
    bool ready = connection.connect(QString(), QString(),
                                    QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                    QStringLiteral("Update"), this, SLOT(updated(QDBusMessage)));
    if (serving == Notices::Served) {
        ready = ready &&
                connection.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                          QDBusConnection::ExportAllSlots) &&
                connection.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    // A round trip through the daemon: the signal's match rule is in place once it returns.
    ready = ready &&
            connection.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.DBus"));
    m_ready = ready;
}

DesktopBusListener::~DesktopBusListener()
{
    QDBusConnection::disconnectFromBus(m_connectionName);
}

bool DesktopBusListener::waitForHiddenProgress()
{
    return QTest::qWaitFor(
        [this] {
            return !updates.isEmpty() &&
                   !updates.last().properties.value(QStringLiteral("progress-visible")).toBool();
        },
        10000);
}

uint DesktopBusListener::Notify(const QString& appName, uint replacesId, const QString&,
                                const QString& summary, const QString& body, const QStringList&,
                                const QVariantMap& hints, int expireTimeout)
{
    notices.append({appName, replacesId, summary, body, hints, expireTimeout});
    return uint(notices.size());
}

void DesktopBusListener::updated(const QDBusMessage& message)
{
    const QList<QVariant> arguments = message.arguments();
    Update update;
    update.path = message.path();
    update.uri = arguments.value(0).toString();
    if (arguments.size() > 1)
        update.properties = qdbus_cast<QVariantMap>(arguments[1]);
    updates.append(update);
}

} // namespace brindlecast::test
