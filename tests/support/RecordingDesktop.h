// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopProgress.h"

#include <QList>
#include <QString>

namespace brindlecast::test {

// Records what a run shows on the task bar and the notices it sends, in order.
class RecordingDesktop final : public DesktopProgress {
public:
    struct Notice {
        QString title;
        QString text;
    };

    QList<double> shown; // each showProgress; -1 for each clearProgress
    QList<Notice> notices;

    void showProgress(double fraction) override { shown.append(fraction); }
    void clearProgress() override { shown.append(-1); }
    void notifyRunEnded(const QString& title, const QString& text) override
    {
        notices.append({title, text});
    }
};

} // namespace brindlecast::test
