// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brindlecast {

// A child's result when its command could not be started at all: the number of the start
// failure plus the base of application-defined errors, so that it is negative and no exit code
// can be taken for it.
inline constexpr int kStartFailureBase = -2147221504;

constexpr int startFailureResult(int failureNumber)
{
    return kStartFailureBase + failureNumber;
}

constexpr bool isStartFailureResult(int result)
{
    return result >= kStartFailureBase && result < kStartFailureBase + 0x10000;
}

} // namespace brindlecast
