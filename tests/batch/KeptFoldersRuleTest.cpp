// SPDX-License-Identifier: GPL-3.0-or-later
// The one rule that places an output below the output folder, as the window calls it for a row
// and as the command line's plan calls it for an input: both must give the same path.
#include "batch/OutputPlan.h"
#include "core/KeptFolders.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <ostream>

namespace brindlecast {
namespace {

struct RuleCase {
    const char* name;
    const char* input;
    const char* baseFolder; // "" for a file added by itself
    bool keepFolders;
    OutputFormat format;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const RuleCase& c)
{
    return out << c.name;
}

class KeptFoldersRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(KeptFoldersRule, TheWindowAndTheCommandLinePlaceTheOutputAlike)
{
    const RuleCase& c = GetParam();
    const QString input = QString::fromUtf8(c.input);
    const QString base = QString::fromUtf8(c.baseFolder);
    const QString expected = QString::fromUtf8(c.expected);
    const QString out = QStringLiteral("/out");

    // The window: the row's path and base folder, the box and the folder text.
    EXPECT_EQ(outputInFolder(out, input, base, c.keepFolders, c.format), expected);
    // The command line: the input and its folder argument, --keep-folders and --output.
    BatchOptions options;
    options.outputFolder = out;
    options.keepFolders = c.keepFolders;
    options.format = c.format;
    EXPECT_EQ(plannedOutput({input, base}, options), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Placing, KeptFoldersRule,
    ::testing::Values(RuleCase{"KeptBelowTheFolder", "/music/Album Two/01 - Song 1.wav", "/music/",
                               true, OutputFormat::Aac, "/out/Album Two/01 - Song 1.aac"},
                      RuleCase{"BaseWithoutTrailingSeparator", "/music/Album Two/01 - Song 1.wav",
                               "/music", true, OutputFormat::Aac, "/out/Album Two/01 - Song 1.aac"},
                      RuleCase{"SeveralLevels", "/m/A \"x\"/B's/ünï\ncode.wav", "/m/", true,
                               OutputFormat::M4a, "/out/A \"x\"/B's/ünï\ncode.m4a"},
                      RuleCase{"DirectlyInTheFolder", "/music/top.WAV", "/music/", true,
                               OutputFormat::Aac, "/out/top.aac"},
                      RuleCase{"RootAsBase", "/Album/a.wav", "/", true, OutputFormat::Aac,
                               "/out/Album/a.aac"},
                      RuleCase{"UncheckedIsFlat", "/music/Album Two/01 - Song 1.wav", "/music/",
                               false, OutputFormat::Aac, "/out/01 - Song 1.aac"},
                      RuleCase{"SingleFileIsFlat", "/music/Album Two/x.y.wav", "", true,
                               OutputFormat::Aac, "/out/x.y.aac"},
                      RuleCase{"NotBelowItsFolderIsFlat", "/elsewhere/Album/a.wav", "/music/", true,
                               OutputFormat::Aac, "/out/a.aac"},
                      RuleCase{"ANameThatOnlyBeginsLikeTheFolderIsFlat", "/musicals/Act 1/a.wav",
                               "/music", true, OutputFormat::Aac, "/out/a.aac"},
                      RuleCase{"AStepUpIsFlat", "/music/../etc/a.wav", "/music/", true,
                               OutputFormat::Aac, "/out/a.aac"},
                      RuleCase{"AStepUpFurtherDownIsFlat", "/music/A/../../b/a.wav", "/music/",
                               true, OutputFormat::Aac, "/out/a.aac"},
                      RuleCase{"ADotStepIsFlat", "/music/./A/a.wav", "/music", true,
                               OutputFormat::Aac, "/out/a.aac"},
                      RuleCase{"DotsInsideNamesAreNames", "/music/..A/.b./a.wav", "/music", true,
                               OutputFormat::Aac, "/out/..A/.b./a.aac"},
                      RuleCase{"ADoubledSeparatorIsCollapsed", "/music//A/a.wav", "/music/", true,
                               OutputFormat::Aac, "/out/A/a.aac"}),
    [](const ::testing::TestParamInfo<RuleCase>& rule) { return std::string(rule.param.name); });

TEST(KeptFoldersRule, TheSubfolderAloneEndsInTheSeparator)
{
    EXPECT_EQ(subfolderBelow(QStringLiteral("/music/A/B/a.wav"), QStringLiteral("/music")),
              QStringLiteral("A/B/"));
    EXPECT_EQ(subfolderBelow(QStringLiteral("/music/a.wav"), QStringLiteral("/music")), QString());
    EXPECT_EQ(subfolderBelow(QStringLiteral("/music/A/a.wav"), QString()), QString());
    // However many separators the typed folder ends in, every output begins with the root that
    // the window hands the engine, so its subfolders are made below that root.
    for (const QString& folder :
         {QStringLiteral("/out"), QStringLiteral("/out/"), QStringLiteral("/out//"),
          QStringLiteral("/out///"), QStringLiteral("/")}) {
        const QString root = outputRootOf(folder);
        EXPECT_TRUE(root.endsWith(u'/')) << root.toStdString();
        for (const bool keep : {true, false}) {
            const QString output =
                outputInFolder(folder, QStringLiteral("/m/A/a.wav"), QStringLiteral("/m"), keep);
            ASSERT_TRUE(output.startsWith(root)) << output.toStdString();
            EXPECT_EQ(output.mid(root.size()),
                      keep ? QStringLiteral("A/a.aac") : QStringLiteral("a.aac"))
                << output.toStdString();
        }
    }
}

} // namespace
} // namespace brindlecast
