// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ConstantBitRates.h"

#include <QStringList>

namespace brindlecast {

QString constantBitRateEntry(int kbps)
{
    return QStringLiteral("%1 kbps").arg(kbps);
}

QString constantBitRatesAscendingText()
{
    QStringList rates;
    for (const int kbps : kConstantBitRatesKbps)
        rates.prepend(QString::number(kbps));
    return rates.join(u' ');
}

} // namespace brindlecast
