// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EncoderStore.h"

#include "core/ErrorNumbers.h"

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
        throw makeFailure(ErrorNumber::ResourceNotFound,
                          QStringLiteral("Resource with identifier '%1' not found").arg(id));
    const QString path = installedEncoderPath();
    if (path.isEmpty())
        throw makeFailure(
            ErrorNumber::FileNotFound,
            QStringLiteral("The ffmpeg encoder is not installed (not found on PATH)"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw makeFailure(ErrorNumber::PathFileAccessError,
                          QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        throw makeFailure(ErrorNumber::PathFileAccessError,
                          QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return bytes;
}

} // namespace brindlecast
