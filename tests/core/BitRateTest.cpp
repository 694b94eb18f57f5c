// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BitRate.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace brindlecast::test {

namespace {

struct TextCase {
    const char* name;
    const char* given;
    const char* expected;
};

class GetBitRateTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(GetBitRateTest, MakesTheEncoderText)
{
    EXPECT_EQ(getBitRate(QString::fromUtf8(GetParam().given)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Entries, GetBitRateTest,
                         ::testing::Values(TextCase{"ListEntry", "128 kbps", "128k"},
                                           TextCase{"AnyCase", "128 KBPS", "128k"},
                                           TextCase{"NoBlankUnchanged", "128kbps", "128kbps"},
                                           TextCase{"Empty", "", ""}),
                         CaseName());

class AnswerTest : public ::testing::TestWithParam<TextCase> {};

// MediaInfo's bits per second to kilobits, rounded half to even; no answer gives the entry.
TEST_P(AnswerTest, GivesKilobitsOrTheFallback)
{
    EXPECT_EQ(bitRateTextFromAnswer(QString::fromUtf8(GetParam().given), QStringLiteral("64k")),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Answers, AnswerTest,
                         ::testing::Values(TextCase{"Whole", "128000", "128k"},
                                           TextCase{"CdQuality", "1411200", "1411k"},
                                           TextCase{"HalfToEven", "96500", "96k"},
                                           TextCase{"BelowOne", "500", "0k"},
                                           TextCase{"NoAnswer", "", "64k"},
                                           TextCase{"Zero", "0", "64k"}),
                         CaseName());

} // namespace

} // namespace brindlecast::test
