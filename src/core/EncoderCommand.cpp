// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EncoderCommand.h"

#include "core/PathHelpers.h"

#include <QRegularExpression>

namespace brindlecast {

QString encoderFileArgument(const QString& path)
{
    return QStringLiteral("file:") + path;
}

QString outputExtension(OutputFormat format)
{
    return format == OutputFormat::M4a ? QStringLiteral(".m4a") : QStringLiteral(".aac");
}

ProcessCommand buildEncoderCommand(const QString& encoderPath, int input, const QString& bitRate,
                                   const QString& codec, int partialOutput, OutputFormat format)
{
    QStringList arguments{QStringLiteral("-i"),
                          encoderFileArgument(QLatin1String(kPassedInputName)),
                          QStringLiteral("-ab"),
                          bitRate,
                          QStringLiteral("-acodec"),
                          codec,
                          QStringLiteral("-map_metadata"),
                          QStringLiteral("0"),
                          QStringLiteral("-vn")};
    if (format == OutputFormat::M4a)
        arguments << QStringLiteral("-f") << QStringLiteral("ipod");
    else
        arguments << QStringLiteral("-f") << QStringLiteral("adts")
                  << QStringLiteral("-write_id3v2") << QStringLiteral("1");
    arguments << QStringLiteral("-y") << encoderFileArgument(QLatin1String(kPassedOutputName));
    return {encoderPath, arguments, {input, partialOutput}};
}

QString outputPathIn(const QString& folder, const QString& inputPath)
{
    const QString baseName = StripExtension(FileNameOfPath(inputPath));
    return CollapseBackslashes(folder + kNativeSeparator + baseName +
                               outputExtension(OutputFormat::Aac));
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
