// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EncoderCommand.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

struct ListCase {
    const char* name;
    const char* encoderList;
    const char* expected;
};

class AacEncoderFromList : public ::testing::TestWithParam<ListCase> {};

TEST_P(AacEncoderFromList, NamesLibvoAacencOnlyWhenTheBuildOffersItAsAnAudioEncoder)
{
    EXPECT_EQ(aacEncoderFromList(QByteArray(GetParam().encoderList)),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    EncoderLists, AacEncoderFromList,
    ::testing::Values(
        ListCase{"Offered",
                 "Encoders:\n A....D aac                  AAC (Advanced Audio Coding)\n"
                 " A..... libvo_aacenc         Android VisualOn AAC (codec aac)\n",
                 "libvo_aacenc"},
        ListCase{"NativeOnly", " A....D aac                  AAC (Advanced Audio Coding)\n", "aac"},
        ListCase{"OnlyInADescription", " A....D aac   AAC, not libvo_aacenc\n", "aac"},
        ListCase{"AsAVideoEncoder", " V..... libvo_aacenc  (odd build)\n", "aac"},
        ListCase{"Empty", "", "aac"}),
    CaseName());

TEST(EncoderBuild, Only64BitProcessorsGetThe64BitBuild)
{
    EXPECT_EQ(encoderBuildFor(QStringLiteral("64")), kEncoder64BitId);
    EXPECT_EQ(encoderBuildFor(QStringLiteral("32")), kEncoder32BitId);
    EXPECT_EQ(encoderBuildFor(QString()), kEncoder32BitId);
}

} // namespace
} // namespace brindlecast::test
