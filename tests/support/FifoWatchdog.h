// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace brindlecast::test {

// A safety net for tests that put a FIFO where the program might open it: once a generous time
// has passed, whoever waits in open() on it is released (and a writer is not killed by the
// broken pipe), so that a test which would hang fails instead. A program that never opens the
// FIFO is never released.
class FifoWatchdog {
public:
    explicit FifoWatchdog(const QString& path,
                          std::chrono::seconds patience = std::chrono::seconds(30))
        : m_path(QFile::encodeName(path)), m_thread([this, patience] { watch(patience); })
    {
    }
    ~FifoWatchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopped = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    bool hadToRelease() const { return m_released; }

private:
    void watch(std::chrono::seconds patience)
    {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, patience, [this] { return m_stopped; }))
            return;
        std::signal(SIGPIPE, SIG_IGN);
        while (!m_stopped) {
            // Holding both ends for a moment satisfies a reader and a writer alike.
            const int reader = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK);
            const int writer = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            m_released = true;
            m_wake.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_stopped; });
            if (writer >= 0)
                ::close(writer);
            if (reader >= 0)
                ::close(reader);
        }
    }

    const QByteArray m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopped = false;
    std::atomic<bool> m_released = false;
    std::thread m_thread;
};

} // namespace brindlecast::test
