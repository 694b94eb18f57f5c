// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RunReport.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

RunReport reportWithFailures(int count)
{
    RunReport report;
    for (int i = 1; i <= count; ++i)
        report.addFailure(QStringLiteral("/in/%1.wav").arg(i), QStringLiteral("reason %1").arg(i));
    return report;
}

TEST(RunReport, ListsTwentyFailuresAtMostThenCountsTheRest)
{
    const QStringList twenty =
        reportWithFailures(20).closingMessage(25).split(QStringLiteral("\r\n"));
    ASSERT_EQ(twenty.size(), 3 + 20);
    EXPECT_EQ(twenty[2], QStringLiteral("20 of 25 files failed:"));
    EXPECT_EQ(twenty.last(), QStringLiteral("/in/20.wav - reason 20"));

    const QStringList more =
        reportWithFailures(23).closingMessage(30).split(QStringLiteral("\r\n"));
    ASSERT_EQ(more.size(), 3 + 20 + 1);
    EXPECT_EQ(more[22], QStringLiteral("/in/20.wav - reason 20"));
    EXPECT_EQ(more.last(), QStringLiteral("... and 3 more"));
}

TEST(RunReport, OneFileIsSingular)
{
    EXPECT_EQ(reportWithFailures(1).closingMessage(1),
              QStringLiteral("Done.\r\n\r\n1 of 1 file failed:\r\n/in/1.wav - reason 1"));
}

TEST(RunReport, ClosingMessageSaysWhatDidNotGoAsChosen)
{
    RunReport clean;
    EXPECT_EQ(clean.closingMessage(3), QStringLiteral("Done."));

    RunReport oneAtListRate;
    oneAtListRate.addListRateFile(QStringLiteral("96 kbps"));
    EXPECT_EQ(oneAtListRate.closingMessage(2),
              QStringLiteral("Done.\r\n\r\n1 file was converted at the list's rate of 96 kbps, "
                             "because its own bit rate could not be read."));

    RunReport noEncoder;
    noEncoder.setEncoderUnusable(QStringLiteral("The temporary folder /t does not exist"));
    EXPECT_EQ(noEncoder.closingMessage(1),
              QStringLiteral("Done.\r\n\r\nThe file was not converted, because the encoder could "
                             "not be put in place:\r\nThe temporary folder /t does not exist"));
    EXPECT_EQ(noEncoder.closingMessage(0), QStringLiteral("Done."));
}

} // namespace
} // namespace brindlecast::test
