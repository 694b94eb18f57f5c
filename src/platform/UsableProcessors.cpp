// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UsableProcessors.h"

#include <sched.h>
#include <thread>

namespace brindlecast {

int usableProcessorCount()
{
    cpu_set_t mask;
    CPU_ZERO(&mask);
    if (::sched_getaffinity(0, sizeof(mask), &mask) == 0) {
        const int count = CPU_COUNT(&mask);
        if (count > 0)
            return count;
    }
    const unsigned online = std::thread::hardware_concurrency();
    return online > 0 ? static_cast<int>(online) : 1;
}

} // namespace brindlecast
