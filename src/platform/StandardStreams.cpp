// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StandardStreams.h"

#include <QByteArray>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace brindlecast {

namespace {

constexpr char kClearLine[] = "\r\033[K";

void writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // a closed pipe or a full disk: the run goes on, its status tells the end
        written += n;
    }
}

} // namespace

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
    writeAll(fd, line.toLocal8Bit() + '\n');
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
