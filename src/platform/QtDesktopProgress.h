// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopProgress.h"

#include <QString>
#include <memory>
#include <optional>

class QDBusConnection;

namespace brindlecast {

inline constexpr auto kDesktopEntryUri = "application://brindlecast-studio.desktop";
inline constexpr auto kDesktopProgressPath = "/org/quenbrook/BrindlecastStudio";
inline constexpr int kNotifyTimeoutMs = 250;

// Task-bar progress through the launcher entry's Update signal and notices through the desktop
// notification service, on the session bus. The bus is reached at the first use, through a
// connection of this object's own made on a thread of its own; without a bus every call does
// nothing. No call waits more than kNotifyTimeoutMs: not for an answer, and not for a bus that
// takes longer to accept the connection (what comes before it is then dropped).
class QtDesktopProgress final : public DesktopProgress {
public:
    QtDesktopProgress();
    ~QtDesktopProgress() override;
    QtDesktopProgress(const QtDesktopProgress&) = delete;
    QtDesktopProgress& operator=(const QtDesktopProgress&) = delete;

    void showProgress(double fraction) override;
    void clearProgress() override;
    void notifyRunEnded(const QString& title, const QString& text) override;

private:
    // The connection, when the session bus can be reached.
    std::optional<QDBusConnection> bus();
    void sendUpdate(double fraction, bool visible);

    struct Connecting;

    QString m_connectionName;
    std::shared_ptr<Connecting> m_connecting; // from the first use on
    bool m_connected = false;
    bool m_waited = false;
};

} // namespace brindlecast
