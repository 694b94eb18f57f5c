// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LineText.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

TEST(EscapedForLine, LeavesPlainTextAloneAndMakesEveryControlCharacterVisible)
{
    EXPECT_EQ(escapedForLine(u"/music/Ünï \"code\" 'x' -a.wav"_s),
              u"/music/Ünï \"code\" 'x' -a.wav"_s);
    EXPECT_EQ(escapedForLine(u"a\nb\tc\rd\\e"_s), u"a\\nb\\tc\\rd\\\\e"_s);
    EXPECT_EQ(escapedForLine(QString(QChar(0x1B)) + u"[2J"_s + QChar(0x7F) + QChar(0x85)),
              u"\\x1b[2J\\x7f\\x85"_s);
    EXPECT_EQ(escapedForLine(u"line\u2028separator"_s), u"line\\u{2028}separator"_s);
    // Nothing that was escaped can be read as a line break, and a written backslash is never
    // taken for the start of an escape.
    EXPECT_NE(escapedForLine(u"a\\nb"_s), escapedForLine(u"a\nb"_s));
    EXPECT_FALSE(escapedForLine(u"x\ny\u2029z"_s).contains(u'\n'));
}

} // namespace
} // namespace brindlecast::test
