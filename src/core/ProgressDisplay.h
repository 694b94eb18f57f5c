// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// The progress bar as a run drives it: a 0..100 value and a line of text of its own.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;

    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    // The value as shown, rounded (halves to even).
    virtual int wholeValue() const = 0;
    virtual void setRealValue(double value) = 0;
};

} // namespace brindlecast
