#include "platform/EncoderStore.h"

#include "core/Failure.h"

#include <QFile>
#include <QStandardPaths>

namespace brindlecast {

QString installedEncoderPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

QByteArray loadEncoderBuild(int id)
{
    if (id != kEncoder32BitId && id != kEncoder64BitId)
        throw Failure(QStringLiteral("Resource with identifier '%1' not found").arg(id), 326);
    const QString path = installedEncoderPath();
    if (path.isEmpty())
        throw Failure(QStringLiteral("The ffmpeg encoder is not installed (not found on PATH)"),
                      53);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()), 75);
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        throw Failure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()), 75);
    return bytes;
}

} // namespace brindlecast
