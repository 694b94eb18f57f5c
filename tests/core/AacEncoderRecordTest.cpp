// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AacEncoderRecord.h"

#include <QList>
#include <functional>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

const EncoderFileState kState{"/usr/bin/ffmpeg", 2049, 1234567,    345678,
                              1700000000,        12,   1700000001, 999999999};

TEST(AacEncoderRecord, KeepsTheAnswerForThatStateOnly)
{
    for (const QString& name : {QStringLiteral("libvo_aacenc"), QStringLiteral("aac")})
        EXPECT_EQ(aacEncoderOfRecord(aacEncoderRecord(kState, name), kState), name);
    EXPECT_TRUE(aacEncoderRecord(kState, QStringLiteral("libfdk_aac")).isEmpty());

    const QByteArray record = aacEncoderRecord(kState, QStringLiteral("aac"));
    for (const QByteArray& damaged :
         {record.chopped(1), record + "\n", QByteArray(record).replace("aac\n", "mp3\n")})
        EXPECT_EQ(aacEncoderOfRecord(damaged, kState), std::nullopt);
    const QList<std::function<void(EncoderFileState&)>> changes = {
        [](EncoderFileState& s) { s.path = "/usr/local/bin/ffmpeg"; },
        [](EncoderFileState& s) { ++s.device; },
        [](EncoderFileState& s) { ++s.inode; },
        [](EncoderFileState& s) { ++s.size; },
        [](EncoderFileState& s) { ++s.modifiedSeconds; },
        [](EncoderFileState& s) { ++s.modifiedNanoseconds; },
        [](EncoderFileState& s) { ++s.changedSeconds; },
        [](EncoderFileState& s) { --s.changedNanoseconds; },
    };
    for (const auto& change : changes) {
        EncoderFileState other = kState;
        change(other);
        EXPECT_EQ(aacEncoderOfRecord(record, other), std::nullopt);
    }
    // No path can add a line of its own.
    EncoderFileState odd = kState;
    odd.path = "/tmp/a\nsize 1\n/ffmpeg";
    EXPECT_EQ(aacEncoderRecord(odd, QStringLiteral("aac")).count('\n'), 8);
    EXPECT_NE(aacEncoderRecordName(odd.path), aacEncoderRecordName(kState.path));
}

} // namespace
} // namespace brindlecast::test
