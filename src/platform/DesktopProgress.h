// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// What the desktop shows of a run beyond the window: progress on the program's task-bar entry
// and a notice when a run ends unseen. Each call returns at once; a desktop that offers none of
// it shows nothing, and nothing fails.
class DesktopProgress {
public:
    virtual ~DesktopProgress() = default;

    // fraction from 0 to 1.
    virtual void showProgress(double fraction) = 0;
    virtual void clearProgress() = 0;
    virtual void notifyRunEnded(const QString& title, const QString& text) = 0;
};

} // namespace brindlecast
