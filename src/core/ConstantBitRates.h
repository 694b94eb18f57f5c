// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace brindlecast {

// The constant bit rates the program offers, in kilobits per second, highest first.
inline constexpr std::array<int, 18> kConstantBitRatesKbps{
    320, 256, 224, 192, 160, 144, 128, 112, 96, 80, 64, 56, 48, 40, 32, 24, 16, 8};

} // namespace brindlecast
