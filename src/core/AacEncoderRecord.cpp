// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AacEncoderRecord.h"

#include "core/EncoderCommand.h"

#include <QCryptographicHash>
#include <algorithm>
#include <iterator>

namespace brindlecast {

namespace {

const QLatin1String kKnownEncoders[] = {QLatin1String(kPreferredAacEncoder),
                                        QLatin1String(kNativeAacEncoder)};

QByteArray timeText(qint64 seconds, qint64 nanoseconds)
{
    return QByteArray::number(seconds) + '.' +
           QByteArray::number(nanoseconds).rightJustified(9, '0');
}

} // namespace

QByteArray aacEncoderRecord(const EncoderFileState& file, const QString& aacEncoder)
{
    if (std::find(std::begin(kKnownEncoders), std::end(kKnownEncoders), aacEncoder) ==
        std::end(kKnownEncoders))
        return {};
    // One field a line; the path percent-encoded, so that no name can add a line.
    return "brindlecast-studio aac-encoder 1\npath " + file.path.toPercentEncoding("/") +
           "\ndevice " + QByteArray::number(file.device) + "\ninode " +
           QByteArray::number(file.inode) + "\nsize " + QByteArray::number(file.size) +
           "\nmodified " + timeText(file.modifiedSeconds, file.modifiedNanoseconds) + "\nchanged " +
           timeText(file.changedSeconds, file.changedNanoseconds) + "\naac-encoder " +
           aacEncoder.toLatin1() + '\n';
}

std::optional<QString> aacEncoderOfRecord(const QByteArray& record, const EncoderFileState& file)
{
    // Only a record written for this very state matches byte for byte: nothing is parsed.
    for (const QLatin1String name : kKnownEncoders) {
        if (record == aacEncoderRecord(file, name))
            return QString(name);
    }
    return std::nullopt;
}

QString aacEncoderRecordName(const QByteArray& path)
{
    const QByteArray digest = QCryptographicHash::hash(path, QCryptographicHash::Sha256);
    return QStringLiteral("aac-encoder-") + QString::fromLatin1(digest.toHex().left(32));
}

} // namespace brindlecast
