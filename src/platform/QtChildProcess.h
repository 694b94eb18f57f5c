// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ChildProcess.h"

#include <QByteArray>
#include <QProcess>

namespace brindlecast {

// A child started through QProcess. Only the tails of its standard and error output are kept,
// bounded, so a long-running encoder cannot fill memory with progress lines.
class QtChildProcess final : public ChildProcess {
public:
    QtChildProcess();
    ~QtChildProcess() override;

    int start(const ProcessCommand& command) override;
    bool waitForEnd(int timeoutMs) override;
    bool notifyOnEnd(std::function<void()> onEnd) override;
    void endNow() override;
    int exitCode() const override;
    QString errorOutputTail() const override;
    QByteArray standardOutput() const override { return m_output; }

private:
    void collectOutput();

    QProcess m_process;
    QByteArray m_output;
    QByteArray m_errorTail;
    QString m_startFailure;
};

} // namespace brindlecast
