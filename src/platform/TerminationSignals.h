// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <csignal>
#include <functional>

class QSocketNotifier;

namespace brindlecast {

// Catches SIGHUP, SIGINT and SIGTERM and hands each to onSignal on the event loop. The handler
// itself only writes the signal's number into a pipe, which is all a handler may safely do; the
// event loop reads the pipe, and there anything may be done (ending children, removing files). One
// instance at a time; the previous handlers come back when it goes.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(std::function<void(int signalNumber)> onSignal,
                                QObject* parent = nullptr);
    ~TerminationSignals() override;

private:
    void readPendingSignals();

    std::function<void(int)> m_onSignal;
    int m_pipe[2] = {-1, -1};
    QSocketNotifier* m_notifier = nullptr;
    struct sigaction m_previous[3]{}; // of SIGHUP, SIGINT and SIGTERM
};

} // namespace brindlecast
