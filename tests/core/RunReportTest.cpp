#include "core/RunReport.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace brindlecast {
namespace {

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
} // namespace brindlecast
