// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Wildcard.h"

namespace brindlecast {

namespace {

bool sameLetter(QChar a, QChar b)
{
    if (a == b)
        return true;
    // Plain ASCII, the usual case, needs no Unicode tables.
    if (a.unicode() < 128 && b.unicode() < 128)
        return (a.unicode() | 0x20) == (b.unicode() | 0x20) && (a.unicode() | 0x20) >= u'a' &&
               (a.unicode() | 0x20) <= u'z';
    return a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

bool wildcardMatches(QStringView pattern, QStringView name)
{
    if (pattern == u"*.*")
        return true;
    // Greedy matching with one backtrack point: linear in practice, never exponential.
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || sameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace brindlecast
