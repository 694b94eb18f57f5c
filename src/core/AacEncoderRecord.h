// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace brindlecast {

// An encoder file as it was when its AAC encoder was asked: the path it was found at, which file
// that was (device and inode) and its size and times. A file that is replaced, rewritten or
// touched is in another state, and is asked again.
struct EncoderFileState {
    QByteArray path; // as the system spells it
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedSeconds = 0;
    qint64 modifiedNanoseconds = 0;
    qint64 changedSeconds = 0; // the inode's change time, which no user can set back
    qint64 changedNanoseconds = 0;
};

// The text kept for the AAC encoder of the file in that state; empty for a name the program
// does not use (only "libvo_aacenc" and "aac" are kept).
QByteArray aacEncoderRecord(const EncoderFileState& file, const QString& aacEncoder);

// The AAC encoder a record keeps for the file in exactly this state; nullopt for a record of
// any other state, and for anything that is not such a record.
std::optional<QString> aacEncoderOfRecord(const QByteArray& record, const EncoderFileState& file);

// The name of the record of the encoder at this path, one per path.
QString aacEncoderRecordName(const QByteArray& path);

} // namespace brindlecast
