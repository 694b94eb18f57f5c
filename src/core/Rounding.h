// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <cmath>

namespace brindlecast {

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double roundHalfEven(double value)
{
    return std::nearbyint(value); // the default floating-point rounding mode is to-nearest-even
}

// The value rounded halves to even; throws Failure "Overflow" when that lies outside
// [minimum, maximum] (or the value is not finite).
qint32 roundedInRange(double value, qint32 minimum, qint32 maximum);

// The whole text (blanks around it allowed) as a number rounded halves to even; throws Failure
// "Type mismatch" for text that is no number and "Overflow" outside [minimum, maximum].
qint32 wholeNumberInRange(const QString& text, qint32 minimum, qint32 maximum);

} // namespace brindlecast
