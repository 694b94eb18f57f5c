#include "convert/EncoderCommand.h"

#include <gtest/gtest.h>

namespace brindlecast::test {

namespace {

TEST(EncoderCommand, TextIsTheQuotedCommandLineAndArgumentsAreSeparate)
{
    const EncoderCommand command = buildEncoderCommand(
        QStringLiteral("/tmp/brindlecast-1000/ffmpeg"), QStringLiteral("/home/u/Music/Take 1.wav"),
        QStringLiteral("128k"), QStringLiteral("libvo_aacenc"),
        QStringLiteral("/home/u/Music/Take 1.aac"));
    EXPECT_EQ(command.text,
              QStringLiteral("\"/tmp/brindlecast-1000/ffmpeg\" -i \"/home/u/Music/Take 1.wav\" -ab "
                             "128k -acodec libvo_aacenc \"/home/u/Music/Take 1.aac\""));
    EXPECT_EQ(command.process.program, QStringLiteral("/tmp/brindlecast-1000/ffmpeg"));
    EXPECT_EQ(command.process.arguments,
              (QStringList{QStringLiteral("-i"), QStringLiteral("file:/home/u/Music/Take 1.wav"),
                           QStringLiteral("-ab"), QStringLiteral("128k"), QStringLiteral("-acodec"),
                           QStringLiteral("libvo_aacenc"),
                           QStringLiteral("file:/home/u/Music/Take 1.aac")}));
}

struct OutputCase {
    const char* folder;
    const char* input;
    const char* expected;
};

class OutputPathTest : public ::testing::TestWithParam<OutputCase> {};

TEST_P(OutputPathTest, BaseNameWithAacInTheFolder)
{
    const OutputCase c = GetParam();
    EXPECT_EQ(outputPathIn(QString::fromUtf8(c.folder), QString::fromUtf8(c.input)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Rules, OutputPathTest,
                         ::testing::Values(OutputCase{"/a/", "/a/b.wav",
                                                      "/a/b.aac"}, // beside the input
                                           OutputCase{"/out/", "/a/b.wav", "/out/b.aac"},
                                           OutputCase{"/out", "/a/b.wav", "/out/b.aac"},
                                           OutputCase{"/a/", "/a/x.y.wav", "/a/x.y.aac"},
                                           OutputCase{"/a/", "/a/.wav", "/a/.wav.aac"},
                                           OutputCase{"/a/", "/a/noext", "/a/noext.aac"},
                                           OutputCase{"/a/", "/a/Song.WAV", "/a/Song.aac"}));

TEST(EncoderCommand, AacEncoderNamedByWhatTheBuildOffers)
{
    const QByteArray native =
        "Encoders:\n ------\n A....D aac                  AAC (Advanced Audio "
        "Coding)\n A....D libopus              libopus Opus\n";
    const QByteArray both = native + " A....D libvo_aacenc         Android VisualOn AAC\n";
    EXPECT_EQ(aacEncoderFromList(native), QStringLiteral("aac"));
    EXPECT_EQ(aacEncoderFromList(both), QStringLiteral("libvo_aacenc"));
    EXPECT_EQ(aacEncoderFromList({}), QStringLiteral("aac"));
}

TEST(EncoderCommand, LastErrorLineSkipsProgressAndTheClosingSummary)
{
    EXPECT_EQ(lastErrorLine(QStringLiteral("Input #0\nfile:/w/a: b.wav: Invalid data found when "
                                           "processing input\n"),
                            {QStringLiteral("file:/w/a: b.wav")}),
              QStringLiteral("Invalid data found when processing input"));
    EXPECT_EQ(lastErrorLine(QStringLiteral("size=1kB\rsize=2kB\rError: disk full\r\nConversion "
                                           "failed!\n")),
              QStringLiteral("Error: disk full"));
    EXPECT_EQ(lastErrorLine(QStringLiteral("\n\n")), QString());
}

} // namespace

} // namespace brindlecast::test
