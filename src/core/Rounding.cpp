// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Rounding.h"

#include "core/ErrorNumbers.h"

namespace brindlecast {

qint32 roundedInRange(double value, qint32 minimum, qint32 maximum)
{
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < minimum || rounded > maximum)
        throw makeFailure(ErrorNumber::Overflow);
    return static_cast<qint32>(rounded);
}

qint32 wholeNumberInRange(const QString& text, qint32 minimum, qint32 maximum)
{
    bool isNumber = false;
    const double number = text.trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(number))
        throw makeFailure(ErrorNumber::TypeMismatch);
    return roundedInRange(number, minimum, maximum);
}

} // namespace brindlecast
