#include "core/OpenFileResult.h"

#include "core/PathHelpers.h"
#include "support/CaseName.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

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
        ResultCase{"None", {}, u'/', {""}},
        ResultCase{"OneFile", {"/m/My Music/a.wav"}, u'/', {"/m/My Music/a.wav"}},
        ResultCase{"ThreeInOneFolder",
                   {"/m/x/c.wav", "/m/x/a.wav", "/m/x/b.wav"},
                   u'/',
                   {"/m/x", "c.wav", "a.wav", "b.wav"}},
        ResultCase{"TwoAtTheRoot", {"/a.wav", "/b.wav"}, u'/', {"/", "a.wav", "b.wav"}},
        ResultCase{
            "SeveralFolders", {"/m/x/a.wav", "/m/y/z/b.wav"}, u'/', {"/m", "x/a.wav", "y/z/b.wav"}},
        ResultCase{"DriveRoot", {"D:\\a.wav", "D:\\b.wav"}, u'\\', {"D:\\", "a.wav", "b.wav"}},
        ResultCase{"NetworkFolder",
                   {"\\\\server\\share\\a.wav", "\\\\server\\share\\b.wav"},
                   u'\\',
                   {"\\\\server\\share", "a.wav", "b.wav"}}),
    CaseName());

} // namespace
} // namespace brindlecast::test
