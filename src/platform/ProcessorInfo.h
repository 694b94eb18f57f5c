// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// The processor's address width in bits as decimal text ("64", "32"), or "" when it cannot be
// told. machine is the kernel's machine name (uname -m); cpuFlags the "flags" line of
// /proc/cpuinfo, which tells a 64-bit x86 processor running a 32-bit kernel ("lm", long mode).
QString addressWidthFor(const QString& machine, const QString& cpuFlags);

// The same for the processor this program runs on, whatever the program was built for.
QString processorAddressWidth();

} // namespace brindlecast
