// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/NameOrder.h"

namespace brindlecast {

namespace {

// The upper-case form of the code point at `at`, which moves past it.
char32_t nextUpper(QStringView text, qsizetype& at)
{
    char32_t code = text[at++].unicode();
    if (QChar::isHighSurrogate(code) && at < text.size() && text[at].isLowSurrogate())
        code = QChar::surrogateToUcs4(char16_t(code), text[at++].unicode());
    return QChar::toUpper(code);
}

} // namespace

bool comesBefore(QStringView first, QStringView second)
{
    qsizetype a = 0;
    qsizetype b = 0;
    while (a < first.size() && b < second.size()) {
        const char32_t left = nextUpper(first, a);
        const char32_t right = nextUpper(second, b);
        if (left != right)
            return left < right;
    }
    if ((a < first.size()) != (b < second.size()))
        return b < second.size();
    return first < second;
}

} // namespace brindlecast
