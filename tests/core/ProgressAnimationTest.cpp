// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgressAnimation.h"

#include "support/CaseName.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace brindlecast::test {
namespace {

struct BandCase {
    const char* name;
    int fileCount;
    int file;
    double step;
    double cap;
};

class ProgressBandTest : public ::testing::TestWithParam<BandCase> {};

// The start value of file i of n is i/n of the bar, as the run sets it.
TEST_P(ProgressBandTest, MatchesTheWorkedValues)
{
    const BandCase c = GetParam();
    const ProgressBand band =
        progressBand(int(std::nearbyint(100.0 * c.file / c.fileCount)), c.fileCount);
    EXPECT_EQ(band.step, c.step);
    EXPECT_EQ(band.cap, c.cap);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, ProgressBandTest,
                         ::testing::Values(BandCase{"HalfStepRoundsDown", 4, 1, 2, 48},
                                           BandCase{"ThirdOfTen", 10, 3, 1, 39},
                                           BandCase{"CapPastTheEnd", 1, 1, 10, 190},
                                           BandCase{"HalfRoundsToZero", 20, 5, 0, 30}),
                         CaseName());

} // namespace
} // namespace brindlecast::test
