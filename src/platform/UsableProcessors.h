// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brindlecast {

// How many processors this process may run on: its CPU affinity mask, so that taskset, cgroups'
// cpusets and containers are respected. At least 1.
int usableProcessorCount();

} // namespace brindlecast
