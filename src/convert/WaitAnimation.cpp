// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/WaitAnimation.h"

#include "core/ProgressAnimation.h"
#include "core/ProgressDisplay.h"

#include <QCoreApplication>

namespace brindlecast {

WaitAnimation::WaitAnimation(ProgressDisplay& bar, QString baseText, std::optional<int> startValue,
                             std::optional<int> fileCount)
    : m_bar(bar), m_baseText(std::move(baseText)), m_startValue(startValue), m_fileCount(fileCount)
{
}

void WaitAnimation::nextCycle()
{
    if (++m_cycle < kFirstCounterCycle)
        return;
    const int counter = m_cycle - kFirstCounterCycle;
    m_bar.setText(waitText(m_baseText, counter));
    if (m_startValue && isValueStep(counter)) {
        const ProgressBand band = progressBand(*m_startValue, m_fileCount);
        m_bar.setRealValue(progressValueAt(counter, *m_startValue, band));
    }
}

void WaitAnimation::finish()
{
    m_bar.setText(m_baseText.isEmpty() ? QCoreApplication::translate("ProgressBar", "Progress Bar")
                                       : m_baseText);
}

} // namespace brindlecast
