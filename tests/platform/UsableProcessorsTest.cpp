// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UsableProcessors.h"

#include <gtest/gtest.h>
#include <sched.h>

namespace brindlecast::test {
namespace {

// The count follows this process's affinity mask, as taskset and containers set it, not the
// number of processors the machine has.
TEST(UsableProcessors, FollowTheAffinityMask)
{
    cpu_set_t original;
    ASSERT_EQ(::sched_getaffinity(0, sizeof(original), &original), 0);
    int first = 0;
    while (!CPU_ISSET(first, &original))
        ++first;
    cpu_set_t one;
    CPU_ZERO(&one);
    CPU_SET(first, &one);
    ASSERT_EQ(::sched_setaffinity(0, sizeof(one), &one), 0);
    const int restricted = usableProcessorCount();
    ASSERT_EQ(::sched_setaffinity(0, sizeof(original), &original), 0);

    EXPECT_EQ(restricted, 1);
    EXPECT_EQ(usableProcessorCount(), CPU_COUNT(&original));
}

} // namespace
} // namespace brindlecast::test
