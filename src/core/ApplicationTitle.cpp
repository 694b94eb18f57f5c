// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ApplicationTitle.h"

namespace brindlecast {

QString applicationTitleFor(const QString& productName)
{
    QString title = productName;
    do {
        title.truncate(qMax<qsizetype>(title.lastIndexOf(u' '), 0));
    } while (title.size() > 40);
    return title;
}

} // namespace brindlecast
