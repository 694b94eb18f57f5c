// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LineText.h"

#include <algorithm>

namespace brindlecast {

namespace {

bool needsEscape(QChar c)
{
    const char16_t code = c.unicode();
    return code == u'\\' || code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 ||
           code == 0x2029;
}

} // namespace

QString escapedForLine(const QString& text)
{
    if (std::none_of(text.cbegin(), text.cend(), needsEscape))
        return text;
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (!needsEscape(c)) {
            escaped += c;
            continue;
        }
        switch (c.unicode()) {
        case u'\\':
            escaped += QLatin1String("\\\\");
            break;
        case u'\n':
            escaped += QLatin1String("\\n");
            break;
        case u'\r':
            escaped += QLatin1String("\\r");
            break;
        case u'\t':
            escaped += QLatin1String("\\t");
            break;
        default:
            escaped += c.unicode() <= 0xFF
                           ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                           : QStringLiteral("\\u{%1}").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    return escaped;
}

} // namespace brindlecast
