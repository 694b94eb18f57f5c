// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProgressDisplay.h"

#include <QProgressBar>

namespace brindlecast {

// A 0..100 bar that shows a line of text of its own. Values may be real numbers; they are kept
// rounded (halves to even), and a value above 100 shows as a full bar.
class TextProgressBar : public QProgressBar, public ProgressDisplay {
    Q_OBJECT
public:
    explicit TextProgressBar(QWidget* parent = nullptr);

    QString text() const override { return m_text; }
    void setText(const QString& text) override;

    int wholeValue() const override { return m_value; }
    void setRealValue(double value) override;

private:
    QString m_text;
    int m_value = 0;
};

} // namespace brindlecast
