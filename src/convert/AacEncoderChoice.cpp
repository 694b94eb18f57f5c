#include "convert/AacEncoderChoice.h"

#include "convert/ProcessRunner.h"
#include "core/EncoderCommand.h"
#include "platform/ChildProcess.h"
#include "platform/ExitCleanup.h"
#include "platform/Platform.h"

#include <QCryptographicHash>

namespace brindlecast {

QString aacEncoderOf(Platform& platform, const QString& encoderPath)
{
    const auto process = platform.createChildProcess();
    const ExitCleanup::Entry endOnExit = platform.exitCleanup().endChild(*process);
    const int result = RunProcessWithProgress(
        *process, {encoderPath, {QStringLiteral("-hide_banner"), QStringLiteral("-encoders")}}, 0);
    if (result != 0)
        return QString::fromLatin1(kNativeAacEncoder);
    return aacEncoderFromList(process->standardOutput());
}

QString AacEncoderChoice::forBuild(Platform& platform, const QString& encoderPath,
                                   const QByteArray& encoderBytes)
{
    const QByteArray build = QCryptographicHash::hash(encoderBytes, QCryptographicHash::Sha256);
    const auto found = m_known.constFind(build);
    if (found != m_known.constEnd())
        return *found;
    const QString name = aacEncoderOf(platform, encoderPath);
    m_known.insert(build, name);
    return name;
}

} // namespace brindlecast
