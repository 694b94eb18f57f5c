// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/AacEncoderChoice.h"

#include "convert/ConversionServices.h"
#include "convert/ProcessRunner.h"
#include "core/EncoderCommand.h"
#include "core/EncoderErrors.h"
#include "core/Failure.h"
#include "core/StartFailure.h"
#include "platform/AacEncoderCache.h"
#include "platform/ChildProcess.h"
#include "platform/ExitCleanup.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace brindlecast {

QString aacEncoderOf(const ConversionServices& services, const QString& encoderPath)
{
    const auto process = services.createChildProcess();
    const ExitCleanup::Entry endOnExit = services.exitCleanup.endChild(*process);
    const int result = RunProcessWithProgress(
        *process, {encoderPath, {QStringLiteral("-hide_banner"), QStringLiteral("-encoders")}});
    // An encoder that cannot even list its encoders cannot convert either: its cause is said once
    // for the run, not as a bare exit code for every file.
    const QString errorOutput = process->errorOutputTail();
    if (isStartFailureResult(result))
        throw Failure(
            QCoreApplication::translate("ConversionRun", "The encoder %1 could not be started (%2)")
                .arg(encoderPath, errorOutput));
    if (result != 0) {
        const QString line = encoderErrorLine(errorOutput);
        throw Failure(QCoreApplication::translate(
                          "ConversionRun",
                          "The encoder %1 does not work: asked for its encoders, it ended with "
                          "exit code %2%3")
                          .arg(encoderPath, QString::number(result),
                               line.isEmpty()
                                   ? QCoreApplication::translate("ConversionRun", " and no message")
                                   : QStringLiteral(": ") + line));
    }
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
