// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace brindlecast {

// The arithmetic of the process runner's sign of life, kept apart from the waiting.

inline constexpr int kWaitCycleMs = 100;
inline constexpr int kFirstCounterCycle = 50;   // about five seconds in
inline constexpr int kCyclesPerValueStep = 150; // the value moves on every 150 cycles
// How far the value may move while one file is converted: by step every 150 cycles, up to cap.
// Both are whole numbers, rounded half to even. A file count of 0 is a division by zero
// (Failure 11).
struct ProgressBand {
    double step = 0;
    double cap = 0;
};
ProgressBand progressBand(int startValue, std::optional<int> fileCount);

// The bar's text from cycle 50 on: base, ", " after a non-empty base, "Please wait.. ", counter.
QString waitText(const QString& baseText, int counter);

// True at the counters where the value moves (0, 150, 300, ...).
constexpr bool isValueStep(int counter)
{
    return counter >= 0 && counter % kCyclesPerValueStep == 0;
}

// The value shown at such a counter: start + counter / 150 * step, held at the cap.
double progressValueAt(int counter, int startValue, const ProgressBand& band);

} // namespace brindlecast
