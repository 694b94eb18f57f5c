// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/ConversionRun.h"

#include <QString>

class QWidget;

namespace brindlecast {

class DesktopProgress;
class Dialogs;

// What the window and the desktop show of a run: the progress in the window's title and on the
// task bar, a notice when the run ends while the window is not the active one, and the closing
// message that offers to open the folder the outputs went to.
class RunFeedback {
public:
    // applicationTitle is read when it is used: start-up sets it after this is made.
    RunFeedback(QWidget& window, Dialogs& dialogs, DesktopProgress& desktop,
                const QString& applicationTitle);

    void progress(const RunProgress& progress);
    void closingMessage(const QString& text, const QString& outputFolder);

private:
    QWidget& m_window;
    Dialogs& m_dialogs;
    DesktopProgress& m_desktop;
    const QString& m_applicationTitle;
    QString m_plainTitle; // the window's title before the run
    bool m_showing = false;
};

} // namespace brindlecast
