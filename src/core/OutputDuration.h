// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brindlecast {

// True when an output lasts clearly less than its input: its end is missing. The encoder adds
// priming and padding (a frame or two) and never drops audio, so a whole output is never
// shorter than its input beyond rounding; the tolerance is 0.25 s or 1 % of the input,
// whichever is more.
bool isOutputCutOff(double inputSeconds, double outputSeconds);

} // namespace brindlecast
