// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PathHelpers.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <ostream>

namespace brindlecast {
namespace {

// One row: a text helper, the separator it works with, its input and the expected result.
struct TextCase {
    const char* helper;
    char separator;
    const char* input;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c)
{
    return out << c.helper << "(\"" << c.input << "\")";
}

QString apply(const TextCase& c)
{
    const QString input = QString::fromUtf8(c.input);
    const QChar separator = QChar::fromLatin1(c.separator);
    const std::string helper = c.helper;
    if (helper == "FolderOfPath")
        return FolderOfPath(input, separator);
    if (helper == "FileNameOfPath")
        return FileNameOfPath(input, separator);
    if (helper == "StripExtension")
        return StripExtension(input);
    return CollapseBackslashes(input, separator);
}

class TextHelpers : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextHelpers, GiveTheExpectedText)
{
    EXPECT_EQ(apply(GetParam()), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Splitting, TextHelpers,
    ::testing::Values(TextCase{"FolderOfPath", '\\', R"(C:\Music\a.wav)", R"(C:\Music\)"},
                      TextCase{"FolderOfPath", '\\', "a.wav", ""},
                      TextCase{"FolderOfPath", '/', "/home/u/Take 1.wav", "/home/u/"},
                      TextCase{"FolderOfPath", '/', "/a.wav", "/"},
                      TextCase{"FileNameOfPath", '\\', R"(C:\Music\a.wav)", "a.wav"},
                      TextCase{"FileNameOfPath", '\\', R"(C:\Music\)", ""},
                      TextCase{"FileNameOfPath", '/', "a.wav", "a.wav"},
                      TextCase{"FileNameOfPath", '/', "/m/ü\nb.wav", "ü\nb.wav"},
                      TextCase{"StripExtension", '/', "a.b.wav", "a.b"},
                      TextCase{"StripExtension", '/', ".wav", ".wav"},
                      TextCase{"StripExtension", '/', "song", "song"},
                      TextCase{"StripExtension", '/', "archive.tar.gz", "archive.tar"},
                      TextCase{"StripExtension", '/', "", ""}));

INSTANTIATE_TEST_SUITE_P(
    Collapsing, TextHelpers,
    ::testing::Values(TextCase{"Collapse", '\\', R"(C:\out\\b.aac)", R"(C:\out\b.aac)"},
                      TextCase{"Collapse", '\\', R"(\\srv\share\\b.aac)", R"(\\srv\share\b.aac)"},
                      TextCase{"Collapse", '\\', R"(\x\y)", R"(\\x\y)"},
                      TextCase{"Collapse", '\\', R"(\\\\\x)", R"(\\x)"},
                      TextCase{"Collapse", '\\', R"(C:\a\\\b)", R"(C:\a\\b)"},
                      TextCase{"Collapse", '\\', R"(C:\a\\\\b)", R"(C:\a\\b)"},
                      TextCase{"Collapse", '\\', "", ""},
                      TextCase{"Collapse", '\\', R"(C:\out\b.aac)", R"(C:\out\b.aac)"},
                      TextCase{"Collapse", '/', "/a b/c.wav", "/a b/c.wav"},
                      TextCase{"Collapse", '/', "/out//b.aac", "/out/b.aac"},
                      TextCase{"Collapse", '/', "////x//y", "/x/y"},
                      TextCase{"Collapse", '/', "/a///b", "/a//b"},
                      TextCase{"Collapse", '/', "/a\\\\b", "/a\\\\b"}));

} // namespace
} // namespace brindlecast
