// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/AacEncoderChoice.h"

#include "convert/ConversionServices.h"
#include "convert/ProcessRunner.h"
#include "core/EncoderCommand.h"
#include "platform/AacEncoderCache.h"
#include "platform/ChildProcess.h"
#include "platform/ExitCleanup.h"

#include <QCryptographicHash>

namespace brindlecast {

QString aacEncoderOf(const ConversionServices& services, const QString& encoderPath)
{
    const auto process = services.createChildProcess();
    const ExitCleanup::Entry endOnExit = services.exitCleanup.endChild(*process);
    const int result = RunProcessWithProgress(
        *process, {encoderPath, {QStringLiteral("-hide_banner"), QStringLiteral("-encoders")}});
    if (result != 0)
        return QString::fromLatin1(kNativeAacEncoder);
    return aacEncoderFromList(process->standardOutput());
}

namespace {

QString keptOrAsked(const ConversionServices& services, AacEncoderCache& cache,
                    const QString& source, const QString& encoderPath,
                    const QByteArray& encoderBytes)
{
    if (const std::optional<QString> kept = cache.recall(source, encoderBytes))
        return *kept;
    const QString name = aacEncoderOf(services, encoderPath);
    cache.remember(source, encoderBytes, name);
    return name;
}

} // namespace

QString AacEncoderChoice::forBuild(const ConversionServices& services, const QString& encoderPath,
                                   const QByteArray& encoderBytes)
{
    // The file's state tells a changed build apart without hashing its bytes.
    const QString source = services.encoderSource();
    if (!source.isEmpty() && services.aacEncoderCache)
        return keptOrAsked(services, *services.aacEncoderCache, source, encoderPath, encoderBytes);
    const QByteArray build = QCryptographicHash::hash(encoderBytes, QCryptographicHash::Sha256);
    const auto found = m_known.constFind(build);
    if (found != m_known.constEnd())
        return *found;
    const QString name = aacEncoderOf(services, encoderPath);
    m_known.insert(build, name);
    return name;
}

} // namespace brindlecast
