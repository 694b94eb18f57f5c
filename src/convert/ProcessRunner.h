// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ChildProcess.h"

#include <QString>
#include <optional>

namespace brindlecast {

class ProgressDisplay;

// Starts the command as a child and waits until it has ended, the window answering all the
// while. With a bar: from cycle 50 (about five seconds) the bar's text gets a running counter,
// and with a start value the bar's value moves on every 150 cycles within the band of the
// current file; at the end the text is put back (or "Progress Bar" for an empty base text).
// Returns the child's exit code, or startFailureResult(n) at once when it cannot be started,
// leaving the bar untouched. The wait ends as soon as the child ends.
int RunProcessWithProgress(ChildProcess& process, const ProcessCommand& command,
                           ProgressDisplay* progressBar = nullptr,
                           const QString& baseText = QString(),
                           std::optional<int> startValue = std::nullopt,
                           std::optional<int> fileCount = std::nullopt);

} // namespace brindlecast
