#include "core/Wildcard.h"

#include "support/CaseName.h"

#include <QString>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

struct MatchCase {
    std::string name;
    QString pattern;
    QString fileName;
    bool matches;
};

class Wildcards : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Wildcards, MatchTheWholeNameIgnoringCase)
{
    EXPECT_EQ(wildcardMatches(GetParam().pattern, GetParam().fileName), GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Wildcards,
    ::testing::Values(
        MatchCase{"Extension", QStringLiteral("*.wav"), QStringLiteral("take 1.wav"), true},
        MatchCase{"CapitalName", QStringLiteral("*.wav"), QStringLiteral("A.WAV"), true},
        MatchCase{"CapitalPattern", QStringLiteral("*.WAV"), QStringLiteral("a.wav"), true},
        MatchCase{"LongerExtension", QStringLiteral("*.wav"), QStringLiteral("a.wave"), false},
        MatchCase{"ExtensionInside", QStringLiteral("*.wav"), QStringLiteral("a.wav.txt"), false},
        MatchCase{"DotBeforeDot", QStringLiteral("*..wav"), QStringLiteral("a.wav"), false},
        MatchCase{"DoubleDot", QStringLiteral("*..wav"), QStringLiteral("a..wav"), true},
        MatchCase{"EveryName", QStringLiteral("*.*"), QStringLiteral("README"), true},
        MatchCase{"AnyOne", QStringLiteral("?.wav"), QStringLiteral("b.wav"), true},
        MatchCase{"AnyOneIsOne", QStringLiteral("?.wav"), QStringLiteral("bb.wav"), false},
        MatchCase{"PunctuationIsNoLetter", QStringLiteral("*.wa@"), QStringLiteral("a.wa`"), false},
        MatchCase{"NonAsciiCase", QStringLiteral("*.\u00c4"), QStringLiteral("x.\u00e4"), true},
        MatchCase{"KelvinSign", QStringLiteral("*.\u212a"), QStringLiteral("x.k"), true},
        MatchCase{"Backtracking", QStringLiteral("*a*b"), QStringLiteral("aaab"), true}),
    CaseName());

} // namespace
} // namespace brindlecast::test
