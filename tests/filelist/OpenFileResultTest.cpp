#include "platform/OpenFileResult.h"

#include "app/PathHelpers.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

const QChar NUL(0);

// The parts of a dialog result, NUL-separated.
QString nulSeparated(const QStringList& parts)
{
    return parts.join(NUL);
}

struct ResultCase {
    const char* name;
    QStringList picked;
    QChar separator;
    QString expected;
};

class OpenFileResult : public ::testing::TestWithParam<ResultCase> {};

TEST_P(OpenFileResult, BuildsTheClassicResultText)
{
    EXPECT_EQ(openFileResultText(GetParam().picked, GetParam().separator), GetParam().expected);
}

// Splitting the text and joining folder and name the way "Add WAV File(s)" does gives back
// every picked path.
TEST_P(OpenFileResult, JoinsBackToThePickedPaths)
{
    const ResultCase& c = GetParam();
    const QStringList parts = openFileResultText(c.picked, c.separator).split(NUL);
    QStringList joined;
    if (parts.size() == 1)
        joined << parts.front();
    for (qsizetype i = 1; i < parts.size(); ++i)
        joined << CollapseBackslashes(parts[0] + c.separator + parts[i], c.separator);
    EXPECT_EQ(joined, c.picked.isEmpty() ? QStringList{QString()} : c.picked);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, OpenFileResult,
    ::testing::Values(
        ResultCase{"None", {}, u'/', ""},
        ResultCase{"OneFile", {"/home/ann/My Music/a.wav"}, u'/', "/home/ann/My Music/a.wav"},
        ResultCase{"ThreeInOneFolder",
                   {"/home/ann/x/c.wav", "/home/ann/x/a.wav", "/home/ann/x/b.wav"},
                   u'/',
                   nulSeparated({"/home/ann/x", "c.wav", "a.wav", "b.wav"})},
        ResultCase{
            "TwoAtTheRoot", {"/a.wav", "/b.wav"}, u'/', nulSeparated({"/", "a.wav", "b.wav"})},
        ResultCase{"FolderEndingInColon",
                   {"/m/x:/a.wav", "/m/x:/b.wav"},
                   u'/',
                   nulSeparated({"/m/x:", "a.wav", "b.wav"})},
        ResultCase{"SeveralFolders",
                   {"/m/x/a.wav", "/m/y/z/b.wav"},
                   u'/',
                   nulSeparated({"/m", "x/a.wav", "y/z/b.wav"})},
        ResultCase{"DriveFolder",
                   {"D:\\Music\\a.wav", "D:\\Music\\b.wav"},
                   u'\\',
                   nulSeparated({"D:\\Music", "a.wav", "b.wav"})},
        ResultCase{"DriveRoot",
                   {"D:\\a.wav", "D:\\b.wav"},
                   u'\\',
                   nulSeparated({"D:\\", "a.wav", "b.wav"})},
        ResultCase{"NetworkFolder",
                   {"\\\\server\\share\\a.wav", "\\\\server\\share\\b.wav"},
                   u'\\',
                   nulSeparated({"\\\\server\\share", "a.wav", "b.wav"})}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace brindlecast::test
