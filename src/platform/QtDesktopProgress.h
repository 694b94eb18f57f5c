// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopProgress.h"

#include <QString>
#include <optional>

class QDBusConnection;

namespace brindlecast {

inline constexpr auto kDesktopEntryUri = "application://brindlecast-studio.desktop";
inline constexpr auto kDesktopProgressPath = "/org/quenbrook/BrindlecastStudio";
inline constexpr int kNotifyTimeoutMs = 250;

// Task-bar progress through the launcher entry's Update signal and notices through the desktop
// notification service, on the session bus. The bus is reached at the first use, through a
// connection of this object's own; without a bus every call does nothing. No call waits for an
// answer.
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

    QString m_connectionName;
    bool m_tried = false;
    bool m_connected = false;
};

} // namespace brindlecast
