// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OutputDuration.h"

#include <algorithm>

namespace brindlecast {

bool isOutputCutOff(double inputSeconds, double outputSeconds)
{
    const double tolerance = std::max(0.25, inputSeconds * 0.01);
    return outputSeconds + tolerance < inputSeconds;
}

} // namespace brindlecast
