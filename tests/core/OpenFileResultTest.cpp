// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OpenFileResult.h"

#include "core/PathHelpers.h"
#include "support/CaseName.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

struct ResultCase {
    const char* name;
    QStringList picked;
    QChar separator;
    QStringList expectedParts;
};

class OpenFileResult : public ::testing::TestWithParam<ResultCase> {};

// The text is the classic NUL-separated one, and joining folder and name the way "Add WAV
// File(s)" does gives back every picked path.
TEST_P(OpenFileResult, BuildsTheClassicTextThatJoinsBackToThePickedPaths)
{
    const ResultCase& c = GetParam();
    const QStringList parts = openFileResultText(c.picked, c.separator).split(QChar(0));
    EXPECT_EQ(parts, c.expectedParts);
    if (parts.size() > 1) {
        QStringList joined;
        for (qsizetype i = 1; i < parts.size(); ++i)
            joined << CollapseBackslashes(parts[0] + c.separator + parts[i], c.separator);
        EXPECT_EQ(joined, c.picked);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, OpenFileResult,
    ::testing::Values(
        ResultCase{"None", {}, u'/', {u""_s}},
        ResultCase{"OneFile", {u"/m/My Music/a.wav"_s}, u'/', {u"/m/My Music/a.wav"_s}},
        ResultCase{"ThreeInOneFolder",
                   {u"/m/x/c.wav"_s, u"/m/x/a.wav"_s, u"/m/x/b.wav"_s},
                   u'/',
                   {u"/m/x"_s, u"c.wav"_s, u"a.wav"_s, u"b.wav"_s}},
        ResultCase{
            "TwoAtTheRoot", {u"/a.wav"_s, u"/b.wav"_s}, u'/', {u"/"_s, u"a.wav"_s, u"b.wav"_s}},
        ResultCase{"SeveralFolders",
                   {u"/m/x/a.wav"_s, u"/m/y/z/b.wav"_s},
                   u'/',
                   {u"/m"_s, u"x/a.wav"_s, u"y/z/b.wav"_s}},
        ResultCase{"DriveRoot",
                   {u"D:\\a.wav"_s, u"D:\\b.wav"_s},
                   u'\\',
                   {u"D:\\"_s, u"a.wav"_s, u"b.wav"_s}},
        ResultCase{"NetworkFolder",
                   {u"\\\\server\\share\\a.wav"_s, u"\\\\server\\share\\b.wav"_s},
                   u'\\',
                   {u"\\\\server\\share"_s, u"a.wav"_s, u"b.wav"_s}}),
    CaseName());

} // namespace
} // namespace brindlecast::test
