// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace brindlecast {

class ProgressDisplay;

// The bar's sign of life while one file's encoder works: from cycle 50 (about five seconds) its
// text gets a running counter, and with a start value its value moves on every 150 cycles within
// the band of that file; at the end the text is put back (or "Progress Bar" for an empty base
// text).
class WaitAnimation {
public:
    WaitAnimation(ProgressDisplay& bar, QString baseText, std::optional<int> startValue,
                  std::optional<int> fileCount);

    // One more wait cycle has passed without the child's end.
    void nextCycle();
    // The child has ended.
    void finish();

private:
    ProgressDisplay& m_bar;
    QString m_baseText;
    std::optional<int> m_startValue;
    std::optional<int> m_fileCount;
    int m_cycle = 0;
};

} // namespace brindlecast
