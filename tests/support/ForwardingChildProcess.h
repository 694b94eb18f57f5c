// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ChildProcess.h"
#include "support/PassedFiles.h"

#include <functional>
#include <memory>

namespace brindlecast::test {

// Forwards every call to a real child, telling an observer about each start and each wait, so
// that tests and benchmarks can record what the program runs.
class ForwardingChildProcess final : public ChildProcess {
public:
    struct Observer {
        std::function<void(const ProcessCommand&)> starting;
        std::function<void(const ProcessCommand&, int result)> started;
        std::function<void(bool ended)> waited;
        // When set, the child tells of its end as the real one does (and is then not waited
        // for): this runs first.
        std::function<void()> ended;
    };

    ForwardingChildProcess(std::unique_ptr<ChildProcess> inner, Observer observer)
        : m_inner(std::move(inner)), m_observer(std::move(observer))
    {
    }

    // The observer sees the passed files by their own names; the child gets the command as it is.
    int start(const ProcessCommand& command) override
    {
        const ProcessCommand named = withPassedFilesNamed(command);
        if (m_observer.starting)
            m_observer.starting(named);
        const int result = m_inner->start(command);
        if (m_observer.started)
            m_observer.started(named, result);
        return result;
    }
    bool waitForEnd(int timeoutMs) override
    {
        const bool ended = m_inner->waitForEnd(timeoutMs);
        if (m_observer.waited)
            m_observer.waited(ended);
        return ended;
    }
    bool notifyOnEnd(std::function<void()> onEnd) override
    {
        if (!m_observer.ended)
            return false;
        return m_inner->notifyOnEnd([ended = m_observer.ended, onEnd = std::move(onEnd)] {
            ended();
            onEnd();
        });
    }
    void endNow() override { m_inner->endNow(); }
    int exitCode() const override { return m_inner->exitCode(); }
    QString errorOutputTail() const override { return m_inner->errorOutputTail(); }
    QByteArray standardOutput() const override { return m_inner->standardOutput(); }

private:
    std::unique_ptr<ChildProcess> m_inner;
    Observer m_observer;
};

} // namespace brindlecast::test
