// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatform.h"

#include "platform/EncoderStore.h"
#include "platform/ProcessorInfo.h"
#include "platform/QtChildProcess.h"
#include "platform/UsableProcessors.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <csignal>
#include <cstdlib>

namespace brindlecast {

QString QtPlatform::applicationFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::desktopFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString QtPlatform::musicFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
}

QString QtPlatform::homeFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

QString QtPlatform::environmentVariable(const QString& name) const
{
    return qEnvironmentVariable(name.toLocal8Bit().constData());
}

void QtPlatform::endProcessNow()
{
    // Every setting was written when it changed; only what a run leaves behind needs ending.
    m_exitCleanup.drain();
    std::_Exit(EXIT_SUCCESS);
}

void QtPlatform::endProcessOnSignal(int signalNumber)
{
    m_exitCleanup.drain();
    // Ended by the signal itself, so that whoever sent it sees it took effect.
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
    std::_Exit(128 + signalNumber);
}

std::unique_ptr<ChildProcess> QtPlatform::createChildProcess()
{
    return std::make_unique<QtChildProcess>();
}

QByteArray QtPlatform::encoderResource(int id)
{
    return loadEncoderBuild(id);
}

QString QtPlatform::encoderSource()
{
    return installedEncoderPath();
}

AacEncoderCache& QtPlatform::aacEncoderCache()
{
    if (!m_aacEncoderCache)
        m_aacEncoderCache = std::make_unique<FileAacEncoderCache>(userCacheFolder());
    return *m_aacEncoderCache;
}

QString QtPlatform::processorAddressWidth()
{
    return brindlecast::processorAddressWidth();
}

QString QtPlatform::temporaryFolder() const
{
    // An unset or empty TEMP must not turn the folder into the file-system root.
    const QString temp = environmentVariable(QStringLiteral("TEMP"));
    return temp.isEmpty() ? QDir::tempPath() : temp;
}

int QtPlatform::usableProcessors() const
{
    return usableProcessorCount();
}

} // namespace brindlecast
