// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgressAnimation.h"

#include "core/ErrorNumbers.h"
#include "core/Rounding.h"

#include <QCoreApplication>

namespace brindlecast {

ProgressBand progressBand(int startValue, std::optional<int> fileCount)
{
    ProgressBand band;
    if (fileCount) {
        if (*fileCount == 0)
            throw makeFailure(ErrorNumber::DivisionByZero);
        const double share = 100.0 / *fileCount;
        band.step = roundHalfEven(share / 10.0);
        band.cap = roundHalfEven(share + startValue - band.step);
    } else {
        band.step = roundHalfEven((100.0 - startValue) / 10.0);
        band.cap = 100.0 - band.step;
    }
    return band;
}

QString waitText(const QString& baseText, int counter)
{
    QString text = baseText;
    if (!baseText.isEmpty())
        text += QStringLiteral(", ");
    return text + QCoreApplication::translate("ProgressBar", "Please wait.. %1").arg(counter);
}

double progressValueAt(int counter, int startValue, const ProgressBand& band)
{
    const double value = double(counter) / kCyclesPerValueStep * band.step + startValue;
    return value >= band.cap ? band.cap : value;
}

} // namespace brindlecast
