// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProcessorInfo.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

struct WidthCase {
    const char* name;
    const char* machine;
    const char* cpuFlags;
    const char* expected;
};

class AddressWidth : public ::testing::TestWithParam<WidthCase> {};

// The processor's width, not the kernel's: a 64-bit x86 under a 32-bit kernel says "lm".
TEST_P(AddressWidth, ComesFromTheMachineNameOrTheLongModeFlag)
{
    const WidthCase& c = GetParam();
    EXPECT_EQ(addressWidthFor(QString::fromLatin1(c.machine), QString::fromLatin1(c.cpuFlags)),
              QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Machines, AddressWidth,
    ::testing::Values(WidthCase{"X86_64", "x86_64", " fpu vme sse2", "64"},
                      WidthCase{"Arm64", "aarch64", " fp asimd", "64"},
                      WidthCase{"X86LongModeUnder32BitKernel", "i686", " fpu lm sse2", "64"},
                      WidthCase{"X86WithoutLongMode", "i686", " fpu sse2", "32"},
                      WidthCase{"Arm32", "armv7l", " half thumb", "32"},
                      WidthCase{"FlagLmOnlyAsAWord", "i686", " fpu lmx sse2", "32"},
                      WidthCase{"Unknown", "z80", "", ""}),
    CaseName());

} // namespace
} // namespace brindlecast::test
