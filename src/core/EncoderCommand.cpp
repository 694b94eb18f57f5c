// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EncoderCommand.h"

#include "core/PathHelpers.h"

#include <QRegularExpression>

namespace brindlecast {

namespace {

QString quoted(const QString& text)
{
    return u'"' + text + u'"';
}

} // namespace

QString encoderFileArgument(const QString& path)
{
    return QStringLiteral("file:") + path;
}

EncoderCommand buildEncoderCommand(const QString& encoderPath, const QString& inputPath,
                                   const QString& bitRate, const QString& codec,
                                   const QString& outputPath)
{
    EncoderCommand command;
    command.process.program = encoderPath;
    command.process.arguments = {QStringLiteral("-i"),           encoderFileArgument(inputPath),
                                 QStringLiteral("-ab"),          bitRate,
                                 QStringLiteral("-acodec"),      codec,
                                 encoderFileArgument(outputPath)};
    const QString arguments = QStringLiteral("-i ") + quoted(inputPath) + QStringLiteral(" -ab ") +
                              bitRate + QStringLiteral(" -acodec ") + codec + u' ' +
                              quoted(outputPath);
    command.text = quoted(encoderPath) + u' ' + arguments;
    return command;
}

QString outputPathIn(const QString& folder, const QString& inputPath)
{
    const QString baseName = StripExtension(FileNameOfPath(inputPath));
    return CollapseBackslashes(folder + kNativeSeparator + baseName + QStringLiteral(".aac"));
}

QString aacEncoderFromList(const QByteArray& encoderList)
{
    // Lines read " A....D libvo_aacenc  Android VisualOn AAC ..."; the name is the second field.
    static const QRegularExpression entry(QStringLiteral("^\\s*A\\S*\\s+libvo_aacenc\\s"),
                                          QRegularExpression::MultilineOption);
    return entry.match(QString::fromLatin1(encoderList)).hasMatch()
               ? QString::fromLatin1(kPreferredAacEncoder)
               : QString::fromLatin1(kNativeAacEncoder);
}

int encoderBuildFor(const QString& addressWidth)
{
    return addressWidth == QLatin1String("64") ? kEncoder64BitId : kEncoder32BitId;
}

} // namespace brindlecast
