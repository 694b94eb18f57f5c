// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <csignal>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace brindlecast::test {

// The direct children of a process, by their ids. A child is listed from its fork on, before it
// runs its program, so a child found here cannot be missed for having not yet started.
inline std::vector<pid_t> childrenOf(pid_t parent)
{
    std::vector<pid_t> children;
    const QStringList ids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& id : ids) {
        bool isNumber = false;
        const pid_t pid = pid_t(id.toInt(&isNumber));
        QFile stat(QStringLiteral("/proc/%1/stat").arg(id));
        if (!isNumber || !stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(1).toInt() == parent)
            children.push_back(pid);
    }
    return children;
}

// The files a process holds open, by the paths its descriptors lead to.
inline QStringList openFilesOf(pid_t pid)
{
    QStringList files;
    const QDir descriptors(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& descriptor :
         descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const QString target = QFile::symLinkTarget(descriptors.filePath(descriptor));
        if (!target.isEmpty())
            files << target;
    }
    return files;
}

// One process held by a pidfd: its end is proven for that very process, whatever else runs, and
// even after its id has been given to another.
class WatchedProcess {
public:
    explicit WatchedProcess(pid_t pid) : m_fd(int(::syscall(SYS_pidfd_open, pid, 0))) {}
    ~WatchedProcess()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    WatchedProcess(const WatchedProcess&) = delete;
    WatchedProcess& operator=(const WatchedProcess&) = delete;

    // False when the process was gone before it could be held.
    bool isHeld() const { return m_fd >= 0; }

    // True once the process has ended (whether or not its parent has collected it yet).
    bool hasEnded() const { return waitForEnd(0); }

    // Waits at most timeoutMs for the process's end; true once it has ended.
    bool waitForEnd(int timeoutMs) const
    {
        pollfd end{m_fd, POLLIN, 0};
        return ::poll(&end, 1, timeoutMs) == 1 && (end.revents & POLLIN);
    }

    // Ends the process, so that a failed test leaves nothing running.
    void kill() const { ::syscall(SYS_pidfd_send_signal, m_fd, SIGKILL, nullptr, 0); }

private:
    int m_fd;
};

} // namespace brindlecast::test
