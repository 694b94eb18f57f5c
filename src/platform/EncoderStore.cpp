// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EncoderStore.h"

#include "core/ErrorNumbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace brindlecast {

QString installedEncoderPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

namespace {

// The first "ffmpeg" on PATH that is there but may not be run, "" when there is none: where it
// stands in the way, "not installed" would send the user looking for the wrong cause.
QString unrunnableEncoderOnPath()
{
    const QString path = qEnvironmentVariable("PATH");
    for (const QString& folder : path.split(u':', Qt::SkipEmptyParts)) {
        const QFileInfo candidate(QDir(folder).filePath(QStringLiteral("ffmpeg")));
        if (candidate.isFile() && !candidate.isExecutable())
            return candidate.filePath();
    }
    return {};
}

} // namespace

QByteArray loadEncoderBuild(int id)
{
    if (id != kEncoder32BitId && id != kEncoder64BitId)
        throw makeFailure(
            ErrorNumber::ResourceNotFound,
            QCoreApplication::translate("EncoderStore", "Resource with identifier '%1' not found")
                .arg(id));
    const QString path = installedEncoderPath();
    if (path.isEmpty()) {
        if (const QString unusable = unrunnableEncoderOnPath(); !unusable.isEmpty())
            throw makeFailure(ErrorNumber::PermissionDenied,
                              QCoreApplication::translate("EncoderStore",
                                                          "The ffmpeg encoder %1 is not executable")
                                  .arg(unusable));
        throw makeFailure(
            ErrorNumber::FileNotFound,
            QCoreApplication::translate("EncoderStore",
                                        "The ffmpeg encoder is not installed (not found on PATH)"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw makeFailure(ErrorNumber::PathFileAccessError,
                          QCoreApplication::translate("EncoderStore", "Cannot read %1: %2")
                              .arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    // An empty read of a file that opened is no error of the system's: it has no text for it.
    if (bytes.isEmpty() && file.error() == QFileDevice::NoError)
        throw makeFailure(
            ErrorNumber::FileNotFound,
            QCoreApplication::translate("EncoderStore", "The ffmpeg encoder %1 is an empty file")
                .arg(path));
    if (bytes.isEmpty())
        throw makeFailure(ErrorNumber::PathFileAccessError,
                          QCoreApplication::translate("EncoderStore", "Cannot read %1: %2")
                              .arg(path, file.errorString()));
    return bytes;
}

} // namespace brindlecast
