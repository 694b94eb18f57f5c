// SPDX-License-Identifier: GPL-3.0-or-later
// The share of a run done (by input size), the time left estimated from it, and the texts that
// show them: the window's title during a run and the notice of a run that ended.
#include "core/RunProgressTexts.h"

#include "core/TimeLeft.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace brindlecast {
namespace {

TEST(FractionDone, GoesByInputSizeNotByFileCount)
{
    // One long recording done of three files: most of the work, however few files.
    EXPECT_DOUBLE_EQ(fractionDone(900, 1000, 1, 3), 0.9);
    EXPECT_DOUBLE_EQ(fractionDone(0, 1000, 2, 3), 0.0);
    EXPECT_DOUBLE_EQ(fractionDone(1000, 1000, 3, 3), 1.0);
    // More bytes done than were counted at the start (an input that grew) stays at the whole.
    EXPECT_DOUBLE_EQ(fractionDone(1500, 1000, 3, 3), 1.0);
}

TEST(FractionDone, EmptyInputsGoByTheCountOfFilesEnded)
{
    EXPECT_DOUBLE_EQ(fractionDone(0, 0, 1, 4), 0.25);
    EXPECT_DOUBLE_EQ(fractionDone(0, 0, 0, 4), 0.0);
    EXPECT_DOUBLE_EQ(fractionDone(0, 0, 0, 0), 1.0);
}

TEST(SecondsLeft, FollowsThePaceSoFar)
{
    EXPECT_FALSE(secondsLeft(0.0, 30.0).has_value());
    EXPECT_FALSE(secondsLeft(-0.5, 30.0).has_value());
    EXPECT_DOUBLE_EQ(*secondsLeft(0.25, 30.0), 90.0);
    EXPECT_DOUBLE_EQ(*secondsLeft(0.5, 12.0), 12.0);
    EXPECT_DOUBLE_EQ(*secondsLeft(1.0, 12.0), 0.0);
    EXPECT_DOUBLE_EQ(*secondsLeft(1.7, 12.0), 0.0);
}

TEST(ClockText, MinutesAndSecondsThenHours)
{
    EXPECT_EQ(clockText(0), QStringLiteral("0:00"));
    EXPECT_EQ(clockText(7.4), QStringLiteral("0:07"));
    EXPECT_EQ(clockText(80), QStringLiteral("1:20"));
    EXPECT_EQ(clockText(750), QStringLiteral("12:30"));
    EXPECT_EQ(clockText(3723), QStringLiteral("1:02:03"));
    EXPECT_EQ(clockText(-5), QStringLiteral("0:00"));
}

TEST(RunProgressTitle, CountsFilesAndEstimatesTheTimeLeft)
{
    const QString title = QStringLiteral("Brindlecast Studio");
    // 3 of 10 files ended, 40 % of the bytes in 53.3 s: about 80 s to go.
    EXPECT_EQ(runProgressTitle(3, 10, 0.4, 53.3333, title),
              QStringLiteral("3 of 10 files, about 1:20 left - Brindlecast Studio"));
    EXPECT_EQ(runProgressTitle(1, 2, 0.5, 3725, title),
              QStringLiteral("1 of 2 files, about 1:02:05 left - Brindlecast Studio"));
}

TEST(RunProgressTitle, NoTimeLeftBeforeAnyInputIsDone)
{
    const QString title = QStringLiteral("Brindlecast Studio");
    EXPECT_EQ(runProgressTitle(0, 10, 0.0, 12.0, title),
              QStringLiteral("0 of 10 files - Brindlecast Studio"));
    // Files that ended without bytes (a missing input) give no basis for an estimate either.
    EXPECT_EQ(runProgressTitle(3, 10, 0.0, 12.0, title),
              QStringLiteral("3 of 10 files - Brindlecast Studio"));
}

TEST(RunEndedNotice, SaysHowManyConvertedAndHowManyFailed)
{
    EXPECT_EQ(runEndedNotice(10, 10, 0), QStringLiteral("Converted 10 of 10 files"));
    EXPECT_EQ(runEndedNotice(8, 10, 2), QStringLiteral("Converted 8 of 10 files (2 failed)"));
    EXPECT_EQ(runEndedNotice(0, 3, 3), QStringLiteral("Converted 0 of 3 files (3 failed)"));
    // A stopped run: files neither converted nor failed are simply not counted.
    EXPECT_EQ(runEndedNotice(2, 5, 0), QStringLiteral("Converted 2 of 5 files"));
}

} // namespace
} // namespace brindlecast
