// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RunFeedback.h"

#include "core/RunProgressTexts.h"
#include "platform/DesktopProgress.h"
#include "platform/Dialogs.h"

#include <QWidget>

namespace brindlecast {

RunFeedback::RunFeedback(QWidget& window, Dialogs& dialogs, DesktopProgress& desktop,
                         const QString& applicationTitle)
    : m_window(window), m_dialogs(dialogs), m_desktop(desktop), m_applicationTitle(applicationTitle)
{
}

void RunFeedback::progress(const RunProgress& progress)
{
    if (!m_showing) {
        m_plainTitle = m_window.windowTitle();
        m_showing = true;
    }
    if (!progress.ended) {
        m_window.setWindowTitle(runProgressTitle(progress.filesEnded, progress.fileCount,
                                                 progress.fractionDone, progress.elapsedSeconds,
                                                 m_plainTitle));
        m_desktop.showProgress(progress.fractionDone);
        return;
    }
    m_window.setWindowTitle(m_plainTitle);
    m_showing = false;
    // Whoever watches the window sees the closing message; someone elsewhere gets a notice.
    if (!m_window.isActiveWindow()) {
        m_desktop.notifyRunEnded(
            m_applicationTitle,
            runEndedNotice(progress.converted, progress.fileCount, progress.failed));
    }
    m_desktop.clearProgress();
}

void RunFeedback::closingMessage(const QString& text, const QString& outputFolder)
{
    if (outputFolder.isEmpty()) {
        m_dialogs.showPlainMessage(text, m_applicationTitle);
        return;
    }
    const MessageAnswer answer = m_dialogs.showMessage(
        {text, m_applicationTitle, MessageIcon::None, MessageButtons::OkOpenFolder});
    if (answer == MessageAnswer::OpenFolder)
        m_dialogs.openFolderOrExplain(outputFolder, m_applicationTitle);
}

} // namespace brindlecast
