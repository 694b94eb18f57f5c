// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StandardStreams.h"

#include <QByteArray>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace brindlecast {

namespace {

constexpr char kClearLine[] = "\r\033[K";

// 0, or the errno of the failed write. A closed pipe or a full disk does not stop the run: it
// goes on to its end, and its status tells.
int writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        written += n;
    }
    return 0;
}

} // namespace

void openClosedStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF)
            continue;
        // The lowest free descriptor is the closed one, as the lower ones are open by now.
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

StandardStreams::StandardStreams() : m_errorIsTerminal(::isatty(STDERR_FILENO) == 1)
{
    // A reader that goes away (`| head`) must not end the run with its encoders still writing:
    // a write then fails instead, and the run goes on to its end and cleans up.
    std::signal(SIGPIPE, SIG_IGN);
}

void StandardStreams::print(int fd, const QString& line)
{
    if (!m_status.isEmpty())
        writeAll(STDERR_FILENO, kClearLine);
    const int error = writeAll(fd, line.toLocal8Bit() + '\n');
    if (fd == STDOUT_FILENO && error != 0 && m_outputWriteError == 0)
        m_outputWriteError = error;
    if (!m_status.isEmpty())
        writeAll(STDERR_FILENO, m_status.toLocal8Bit());
}

void StandardStreams::printLine(const QString& line)
{
    print(STDOUT_FILENO, line);
}

void StandardStreams::printErrorLine(const QString& line)
{
    print(STDERR_FILENO, line);
}

void StandardStreams::showStatus(const QString& text)
{
    if (!m_errorIsTerminal || text == m_status)
        return;
    m_status = text;
    writeAll(STDERR_FILENO, kClearLine + text.toLocal8Bit());
}

} // namespace brindlecast
