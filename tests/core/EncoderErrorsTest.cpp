// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EncoderErrors.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace brindlecast {
namespace {

const QString kInput = QStringLiteral("file:/music/take 1.wav");
const QString kOutput = QStringLiteral("file:/full/take 1.aac");

// What the encoder writes when the disk fills up during the encode: progress lines written over
// each other, the cause several times, and its closing statistics last.
const QString kDiskFull = QStringLiteral(
    "Output #0, adts, to 'file:/full/take 1.aac':\n"
    "size=       0kB time=00:00:00.00 bitrate=N/A speed=N/A    \r"
    "size=     220kB time=00:00:13.76 bitrate= 130.7kbits/s speed=27.5x    \r"
    "av_interleaved_write_frame(): No space left on device\n"
    "    Last message repeated 2 times\n"
    "Error writing trailer of file:/full/take 1.aac: No space left on device\n"
    "size=     257kB time=00:00:16.11 bitrate= 130.6kbits/s speed=  29x    \n"
    "video:0kB audio:252kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: "
    "unknown\n"
    "Error closing file file:/full/take 1.aac: No space left on device\n"
    "[aac @ 0x5652b2a85940] Qavg: 486.647\n");

TEST(EncoderErrorLine, PicksTheLineThatCarriesTheCause)
{
    EXPECT_EQ(encoderErrorLine(kDiskFull + QStringLiteral("Conversion failed!\n"), kInput, kOutput),
              QStringLiteral("Error closing file /full/take 1.aac: No space left on device"));
    EXPECT_EQ(encoderErrorLine(QStringLiteral("Guessed Channel Layout\n"
                                              "file:/music/take 1.wav: Invalid data found when "
                                              "processing input\n"),
                               kInput, kOutput),
              QStringLiteral("Invalid data found when processing input"));
    EXPECT_EQ(encoderErrorLine(QStringLiteral("  Stream #0:0: Audio: pcm_s16le\n"
                                              "Unknown encoder 'libvo_aacenc'\n"),
                               kInput, kOutput),
              QStringLiteral("Unknown encoder 'libvo_aacenc'"));
    // Without any error line, the last line that is not a statistic, without the part's prefix.
    EXPECT_EQ(encoderErrorLine(QStringLiteral("[aac @ 0x1f00] Too many bits per frame\n"
                                              "[aac @ 0x1f00] Qavg: 636.580\n"
                                              "Conversion failed!\n"),
                               kInput, kOutput),
              QStringLiteral("Too many bits per frame"));
    EXPECT_EQ(encoderErrorLine(QString(), kInput, kOutput), QString());
}

TEST(OutputWriteErrorLine, OnlyErrorsAboutTheOutputCount)
{
    EXPECT_EQ(outputWriteErrorLine(kDiskFull, kOutput),
              QStringLiteral("Error closing file /full/take 1.aac: No space left on device"));
    // A damaged last block of the input is read past, and the output is whole.
    EXPECT_EQ(outputWriteErrorLine(
                  QStringLiteral("Output #0, adts, to 'file:/full/take 1.aac':\n"
                                 "Error while decoding stream #0:0: Invalid data found when "
                                 "processing input\n"
                                 "video:0kB audio:469kB muxing overhead: unknown\n"),
                  kOutput),
              QString());
    EXPECT_EQ(outputWriteErrorLine(kDiskFull, QString()), QString());
}

} // namespace
} // namespace brindlecast
