// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OutputDuration.h"

#include <gtest/gtest.h>

namespace brindlecast {
namespace {

TEST(OutputCutOff, OnlyAnOutputClearlyShorterThanItsInput)
{
    EXPECT_FALSE(isOutputCutOff(30.0, 30.023)); // priming and padding make it longer
    EXPECT_FALSE(isOutputCutOff(1.0, 1.152));
    EXPECT_FALSE(isOutputCutOff(1.0, 0.76)); // within a quarter of a second
    EXPECT_TRUE(isOutputCutOff(1.0, 0.74));
    EXPECT_FALSE(isOutputCutOff(600.0, 594.5)); // within 1 % of a long input
    EXPECT_TRUE(isOutputCutOff(600.0, 593.5));
    EXPECT_TRUE(isOutputCutOff(30.0, 16.068)); // the disk filled up half way
}

} // namespace
} // namespace brindlecast
