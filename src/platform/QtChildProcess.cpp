// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtChildProcess.h"

#include "core/ErrorNumbers.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

namespace brindlecast {

namespace {

constexpr qsizetype kErrorTailBytes = 8192;
constexpr int kFirstPassedDescriptor = 3;
constexpr std::size_t kMostPassedDescriptors = 8;
constexpr qsizetype kOutputBytes = 256 * 1024;

void appendBounded(QByteArray& tail, const QByteArray& more, qsizetype limit)
{
    tail += more;
    if (tail.size() > limit)
        tail.remove(0, tail.size() - limit);
}

int startFailureNumber(const QString& program)
{
    const QFileInfo info(program);
    if (!info.exists())
        return int(ErrorNumber::FileNotFound);
    if (!info.isFile() || !info.isExecutable())
        return int(ErrorNumber::PermissionDenied);
    return int(ErrorNumber::InvalidProcedureCall);
}

} // namespace

QtChildProcess::QtChildProcess()
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.setStandardInputFile(QProcess::nullDevice());
}

QtChildProcess::~QtChildProcess()
{
    // Only a wait cut short by a failure gets here with the child alive; its output would be
    // incomplete, so it is ended rather than left writing behind the caller's back.
    endNow();
}

void QtChildProcess::endNow()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(-1);
    }
}

int QtChildProcess::start(const ProcessCommand& command)
{
    m_process.setProgram(command.program);
    m_process.setArguments(command.arguments);
    // Runs in the child between fork and exec, so only calls that are safe there: each file goes
    // first above the numbers it will take, then to its number, without the close-on-exec flag.
    const std::vector<int> descriptors(command.descriptors.begin(), command.descriptors.end());
    const pid_t parent = ::getpid();
    m_process.setChildProcessModifier([descriptors, parent] {
        // A child never outlives a program that was killed outright: it would go on writing
        // a partial file that nobody renames or removes.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        int moved[kMostPassedDescriptors];
        const std::size_t count = std::min(descriptors.size(), std::size(moved));
        for (std::size_t i = 0; i < count; ++i)
            moved[i] = ::fcntl(descriptors[i], F_DUPFD_CLOEXEC, kFirstPassedDescriptor + 64);
        for (std::size_t i = 0; i < count; ++i)
            ::dup2(moved[i], kFirstPassedDescriptor + int(i));
    });
    m_process.start(QIODevice::ReadOnly);
    if (m_process.waitForStarted(-1))
        return 0;
    m_startFailure = m_process.errorString();
    return startFailureNumber(command.program);
}

bool QtChildProcess::waitForEnd(int timeoutMs)
{
    // A local event loop rather than a blocking wait: the window keeps repainting, taking drops
    // and answering assistive tools while the child runs. The child's end or the timer wakes it.
    if (m_process.state() != QProcess::NotRunning) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&m_process, &QProcess::finished, &loop, &QEventLoop::quit);
        timer.start(timeoutMs);
        loop.exec();
    }
    collectOutput();
    return m_process.state() == QProcess::NotRunning;
}

bool QtChildProcess::notifyOnEnd(std::function<void()> onEnd)
{
    QObject::connect(&m_process, &QProcess::finished, &m_process,
                     [onEnd = std::move(onEnd)] { onEnd(); });
    return true;
}

int QtChildProcess::exitCode() const
{
    if (m_process.exitStatus() == QProcess::CrashExit)
        return 128 + m_process.exitCode();
    return m_process.exitCode();
}

QString QtChildProcess::errorOutputTail() const
{
    if (!m_startFailure.isEmpty())
        return m_startFailure;
    return QString::fromLocal8Bit(m_errorTail);
}

void QtChildProcess::collectOutput()
{
    appendBounded(m_output, m_process.readAllStandardOutput(), kOutputBytes);
    appendBounded(m_errorTail, m_process.readAllStandardError(), kErrorTailBytes);
}

} // namespace brindlecast
