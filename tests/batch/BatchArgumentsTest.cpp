// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchCommand.h"
#include "batch/BatchOptions.h"
#include "batch/RecordingConsole.h"
#include "support/CaseName.h"
#include "support/TestPlatform.h"
#include "wav/WavFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

struct UsageCase {
    const char* name;
    QStringList arguments;
    const char* message; // a part of the one-line message
};

class UsageErrors : public ::testing::TestWithParam<UsageCase> {};

// Every usage error ends with status 2 and one line, before anything is converted: the WAV in
// the folder gets no output and the temporary folder gets no encoder.
TEST_P(UsageErrors, EndWithStatusTwoAndOneLineConvertingNothing)
{
    QTemporaryDir work;
    QTemporaryDir temp;
    ASSERT_TRUE(writeWav(work.filePath(QStringLiteral("a.wav")), {8000, 1, 16, 0.2}));
    TestPlatform platform;
    qputenv("TEMP", QFile::encodeName(temp.path()));
    RecordingConsole console;
    BatchEnvironment environment{platform, console, 2, work.path(), {}};

    QStringList arguments = GetParam().arguments;
    arguments.replaceInStrings(QStringLiteral("MISSING"), work.filePath(QStringLiteral("nope")));
    const int status = runBatchCommand(arguments, environment);
    qunsetenv("TEMP");

    EXPECT_EQ(status, kExitUsage);
    ASSERT_EQ(console.err.size(), 1) << console.err.join(u'\n').toStdString();
    EXPECT_TRUE(console.err.first().startsWith(QStringLiteral("brindlecast-studio: ")));
    EXPECT_TRUE(console.err.first().contains(QString::fromUtf8(GetParam().message)))
        << console.err.first().toStdString();
    EXPECT_TRUE(console.out.isEmpty());
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.wav")});
    EXPECT_TRUE(QDir(temp.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Batch, UsageErrors,
    ::testing::Values(
        UsageCase{"UnknownOption",
                  {QStringLiteral("--fast"), QStringLiteral("a.wav")},
                  "unknown option \"--fast\""},
        UsageCase{"NoPath", {QStringLiteral("--jobs"), QStringLiteral("2")}, "no file or folder"},
        UsageCase{"OnlyOptionsEnd", {QStringLiteral("--")}, "no file or folder"},
        UsageCase{"RateNotListed",
                  {QStringLiteral("--bit-rate"), QStringLiteral("100"), QStringLiteral("a.wav")},
                  "--bit-rate must be"},
        UsageCase{"RateWithUnit",
                  {QStringLiteral("--bit-rate=128k"), QStringLiteral("a.wav")},
                  "not \"128k\""},
        UsageCase{"RateMissing",
                  {QStringLiteral("a.wav"), QStringLiteral("--bit-rate")},
                  "--bit-rate needs a value"},
        UsageCase{
            "MissingOutputFolder",
            {QStringLiteral("--output-folder"), QStringLiteral("MISSING"), QStringLiteral("a.wav")},
            "does not exist"},
        UsageCase{"OutputFolderIsAFile",
                  {QStringLiteral("--output-folder=a.wav"), QStringLiteral("a.wav")},
                  "is not a folder"},
        UsageCase{"KeepFoldersAlone",
                  {QStringLiteral("--keep-folders"), QStringLiteral(".")},
                  "--keep-folders needs --output-folder"},
        UsageCase{
            "JobsZero", {QStringLiteral("--jobs=0"), QStringLiteral("a.wav")}, "--jobs must be"},
        UsageCase{"JobsNotANumber",
                  {QStringLiteral("--jobs"), QStringLiteral("two"), QStringLiteral("a.wav")},
                  "--jobs must be"},
        UsageCase{"UnknownFormat",
                  {QStringLiteral("--format=mp3"), QStringLiteral("a.wav")},
                  "--format must be aac or m4a"},
        UsageCase{"EmptyExtension",
                  {QStringLiteral("--extension="), QStringLiteral(".")},
                  "--extension needs"},
        UsageCase{"FlagWithValue",
                  {QStringLiteral("--skip-existing=yes"), QStringLiteral(".")},
                  "takes no value"}),
    CaseName());

TEST(BatchArguments, AnswerHelpAndVersionWhateverElseTheLineHoldsBeforeTheEndOfOptions)
{
    EXPECT_EQ(parseBatchArguments({QStringLiteral("--fast"), QStringLiteral("--help")}).action,
              BatchAction::Help);
    EXPECT_EQ(parseBatchArguments({QStringLiteral("--version")}).action, BatchAction::Version);
    EXPECT_EQ(parseBatchArguments({QStringLiteral("--"), QStringLiteral("--help")}).action,
              BatchAction::Convert);
}

// The start without a window asks the same question, so both take the same spellings.
TEST(BatchArguments, KnowHelpAndVersionBySpellingsTheStartWithoutAWindowShares)
{
    EXPECT_EQ(parseBatchArguments({QStringLiteral("a.wav"), QStringLiteral("-h")}).action,
              BatchAction::Help);
    EXPECT_EQ(informationRequest({QStringLiteral("a.wav"), QStringLiteral("-h")}),
              BatchAction::Help);
    EXPECT_EQ(informationRequest({QStringLiteral("--help")}), BatchAction::Help);
    EXPECT_EQ(informationRequest({QStringLiteral("--version"), QStringLiteral("--help")}),
              BatchAction::Version);
    EXPECT_EQ(informationRequest({QStringLiteral("--"), QStringLiteral("-h")}), std::nullopt);
    EXPECT_EQ(informationRequest({QStringLiteral("a.wav"), QStringLiteral("-hv")}), std::nullopt);
}

TEST(BatchArguments, ReadEveryOption)
{
    const ParsedArguments parsed = parseBatchArguments(
        {QStringLiteral("--bit-rate"), QStringLiteral("8"), QStringLiteral("--jobs=3"),
         QStringLiteral("--format"), QStringLiteral("m4a"), QStringLiteral("--extension=.WAV"),
         QStringLiteral("--output-folder=out"), QStringLiteral("--keep-folders"),
         QStringLiteral("--skip-existing"), QStringLiteral("first.wav"), QStringLiteral("-"),
         QStringLiteral("--"), QStringLiteral("--version"), QStringLiteral("-x.wav")});
    ASSERT_EQ(parsed.action, BatchAction::Convert) << parsed.error.toStdString();
    const BatchOptions& options = parsed.options;
    EXPECT_EQ(options.bitRateKbps, 8);
    EXPECT_EQ(options.jobs, 3);
    EXPECT_EQ(options.format, OutputFormat::M4a);
    EXPECT_EQ(options.extension, QStringLiteral("WAV"));
    EXPECT_EQ(options.outputFolder, QStringLiteral("out"));
    EXPECT_TRUE(options.keepFolders);
    EXPECT_TRUE(options.skipExisting);
    EXPECT_EQ(options.paths, (QStringList{QStringLiteral("first.wav"), QStringLiteral("-"),
                                          QStringLiteral("--version"), QStringLiteral("-x.wav")}));
}

TEST(BatchArguments, DefaultToTheInputsOwnRateAacAndWavFiles)
{
    const ParsedArguments parsed = parseBatchArguments({QStringLiteral("music")});
    ASSERT_EQ(parsed.action, BatchAction::Convert);
    EXPECT_FALSE(parsed.options.bitRateKbps.has_value());
    EXPECT_EQ(parsed.options.format, OutputFormat::Aac);
    EXPECT_EQ(parsed.options.extension, QStringLiteral("wav"));
    EXPECT_EQ(parsed.options.jobs, 0);
    EXPECT_EQ(parseBatchArguments({QStringLiteral("--bit-rate=320"), QStringLiteral("x")})
                  .options.bitRateKbps,
              320);
    EXPECT_FALSE(parseBatchArguments({QStringLiteral("--bit-rate=8"),
                                      QStringLiteral("--bit-rate=same"), QStringLiteral("x")})
                     .options.bitRateKbps.has_value());
}

} // namespace
} // namespace brindlecast::test
