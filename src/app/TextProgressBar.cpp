// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TextProgressBar.h"

#include "core/Rounding.h"

#include <algorithm>

namespace brindlecast {

TextProgressBar::TextProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
}

void TextProgressBar::setText(const QString& text)
{
    m_text = text;
    // The bar's own accessible value is only the number; the text says which file is at work.
    setAccessibleDescription(text);
    update();
}

void TextProgressBar::setRealValue(double value)
{
    const double clamped = std::clamp(roundHalfEven(value), -2147483648.0, 2147483647.0);
    m_value = static_cast<int>(clamped);
    setValue(std::clamp(m_value, 0, 100));
}

} // namespace brindlecast
