// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

namespace brindlecast::test {

// A session bus of the test's own: a dbus-daemon in a temporary folder with a configuration of
// its own (no services started on demand, so no notification server of the machine's answers).
// The daemon is ended when this goes, and with the test process if that dies first.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // "" when the daemon could not be started.
    const QString& address() const { return m_address; }
    QString failure() const { return m_failure; }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    QString m_failure;
};

// What the desktop's side of the bus sees of the program, on a connection of its own: every
// launcher entry Update signal and, when it serves as the notification server, every Notify.
class DesktopBusListener : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Update {
        QString path;
        QString uri;
        QVariantMap properties;
    };
    struct Notice {
        QString appName;
        uint replacesId = 0;
        QString summary;
        QString body;
        QVariantMap hints;
        int expireTimeout = 0;
    };

    enum class Notices { Served, NotServed };
    DesktopBusListener(const QString& address, Notices serving);
    ~DesktopBusListener() override;

    // Connected, watching the signal, and serving notices when asked to.
    bool isReady() const { return m_ready; }

    QList<Update> updates;
    QList<Notice> notices;

    // Processes events until an Update hides the progress; false when none came in 10 s.
    bool waitForHiddenProgress();

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout);

private slots:
    void updated(const QDBusMessage& message);

private:
    QString m_connectionName;
    bool m_ready = false;
};

} // namespace brindlecast::test
