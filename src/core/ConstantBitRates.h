// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <algorithm>
#include <array>

namespace brindlecast {

// The constant bit rates the program offers, in kilobits per second, highest first.
inline constexpr std::array<int, 18> kConstantBitRatesKbps{
    320, 256, 224, 192, 160, 144, 128, 112, 96, 80, 64, 56, 48, 40, 32, 24, 16, 8};

// The rate an input is converted at when its own bit rate cannot be read.
inline constexpr int kFallbackBitRateKbps = 128;
static_assert(std::find(kConstantBitRatesKbps.begin(), kConstantBitRatesKbps.end(),
                        kFallbackBitRateKbps) != kConstantBitRatesKbps.end(),
              "the fallback rate is one the program offers");

// A rate as the drop-down lists it: "128 kbps".
QString constantBitRateEntry(int kbps);

// Every rate, lowest first, one blank between them: "8 16 24 ... 320".
QString constantBitRatesAscendingText();

} // namespace brindlecast
