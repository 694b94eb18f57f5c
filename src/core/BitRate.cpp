// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BitRate.h"

#include "core/Failure.h"
#include "core/Rounding.h"

#include <QRegularExpression>
#include <cwchar>
#include <limits>

namespace brindlecast {

namespace {

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

QString getBitRate(const QString& listEntry)
{
    QString text = listEntry;
    text.replace(QStringLiteral(" kbps"), QStringLiteral("k"), Qt::CaseInsensitive);
    return trimBlanks(text);
}

double leadingNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    QString compact = text;
    compact.remove(QRegularExpression(QStringLiteral("[ \\t\\n\\r]")));
    const QRegularExpressionMatch match = number.match(compact);
    return match.hasMatch() ? match.captured(0).toDouble() : 0.0;
}

QString bitRateTextFromAnswer(const QString& answer, const QString& fallback)
{
    if (answer.isEmpty() || !(leadingNumber(answer) > 0))
        return fallback;
    const qint32 bitsPerSecond = wholeNumberInRange(answer, std::numeric_limits<qint32>::min(),
                                                    std::numeric_limits<qint32>::max());
    return QString::number(roundedInRange(bitsPerSecond / 1000.0, -32768, 32767)) + u'k';
}

QString WideStringFromPointer(const wchar_t* text)
{
    if (!text)
        return {};
    return QString::fromWCharArray(text, static_cast<qsizetype>(std::wcslen(text)));
}

} // namespace brindlecast
