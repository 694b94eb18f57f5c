// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Wildcard.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

struct MatchCase {
    const char* name;
    const char* pattern;
    const char* fileName;
    bool matches;
};

class Wildcard : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Wildcard, MatchesTheWholeNameIgnoringCase)
{
    const MatchCase& c = GetParam();
    EXPECT_EQ(wildcardMatches(QString::fromUtf8(c.pattern), QString::fromUtf8(c.fileName)),
              c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Wildcard,
    ::testing::Values(MatchCase{"Extension", "*.wav", "song.wav", true},
                      MatchCase{"ExtensionAnyCase", "*.WAV", "Song.wav", true},
                      MatchCase{"NonAsciiAnyCase", "*.wav", "ÄRGER.WAV", true},
                      MatchCase{"OtherExtension", "*.wav", "song.wave", false},
                      MatchCase{"EveryName", "*.*", "README", true},
                      MatchCase{"Star", "*", ".hidden", true},
                      MatchCase{"DotOnlyWhenTyped", "*..wav", "a.wav", false},
                      MatchCase{"QuestionMarkIsOneCharacter", "?.wav", "ab.wav", false},
                      MatchCase{"QuestionMark", "a?.wav", "ab.wav", true},
                      MatchCase{"SeveralStars", "*a*b*", "xxaxxbxx", true},
                      MatchCase{"BracketsAreLiteral", "[ab].wav", "a.wav", false},
                      MatchCase{"EmptyPattern", "", "a.wav", false},
                      MatchCase{"PunctuationHasNoCase", "*.wa@", "a.wa`", false},
                      MatchCase{"FoldedOutsideAscii", "*.\u212a", "x.k", true}),
    CaseName());

} // namespace
} // namespace brindlecast::test
