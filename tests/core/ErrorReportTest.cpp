// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ErrorReport.h"

#include "core/ApplicationTitle.h"
#include "core/StepReporter.h"
#include "support/QtPrinters.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace brindlecast {
namespace {

const QString kRequest =
    QStringLiteral("Please email screenshot of this message to support@brindlecast.example");

TEST(ApplicationErrorText, IsExactByteForByte)
{
    EXPECT_EQ(applicationErrorText(QStringLiteral("Type mismatch"),
                                   form1LocationText(QStringLiteral("Form_Load")), 104),
              QStringLiteral("Type mismatch\r\nin Tessaly2021/08/31.Form1.Form_Load at line "
                             "104\r\r") +
                  kRequest);
}

TEST(ApplicationErrorText, EmptyDescriptionStillHasTheLineBreakAndLocation)
{
    const QString text = applicationErrorText(
        QString(), QStringLiteral("in Corvane2021/08/31.AddFolder.GetSubDirectories2016 "), 160);
    EXPECT_EQ(text, QStringLiteral("\r\nin Corvane2021/08/31.AddFolder.GetSubDirectories2016 at "
                                   "line 160\r\r") +
                        kRequest);
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 1);
    EXPECT_EQ(text.count(u'\r'), 3);
    EXPECT_EQ(text.count(u'\n'), 1);
}

TEST(StepReporter, ReportsEachFailureWithItsLineAndCarriesOn)
{
    test::ScriptedDialogs dialogs;
    StepReporter steps(dialogs, form1LocationText(QStringLiteral("PushButton3_Click")));
    QStringList done;

    EXPECT_FALSE(steps.run(100, [&] { throw Failure(QStringLiteral("Path not found"), 76); }));
    EXPECT_TRUE(steps.run(102, [&] { done << QStringLiteral("102"); }));
    EXPECT_FALSE(steps.run(104, [&] { throw std::runtime_error("Overflow"); }));

    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(done, QStringList{QStringLiteral("102")});
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral(
        "Path not found\r\nin Tessaly2021/08/31.Form1.PushButton3_Click at line 100\r\r")));
    EXPECT_TRUE(dialogs.messages[1].text.startsWith(QStringLiteral("Overflow\r\n")));
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral(" at line 104\r\r")));
    for (const MessageRequest& box : dialogs.messages) {
        EXPECT_EQ(box.title, QStringLiteral("Application Error"));
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
    }
}

TEST(StepReporter, AFailedTestCountsAsPassed)
{
    test::ScriptedDialogs dialogs;
    StepReporter steps(dialogs, form1LocationText(QStringLiteral("Form_Load")));
    EXPECT_TRUE(steps.check(176, []() -> bool { throw Failure(QStringLiteral("Type mismatch")); }));
    EXPECT_FALSE(steps.check(186, [] { return false; }));
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(steps.value(110, QStringLiteral("fallback"),
                          []() -> QString { throw Failure(QStringLiteral("x")); }),
              QStringLiteral("fallback"));
}

TEST(ApplicationTitle, CutsWholeWordsUntilFortyCharactersAtMost)
{
    EXPECT_EQ(applicationTitleFor(QStringLiteral("Brindlecast Studio")),
              QStringLiteral("Brindlecast"));
    EXPECT_EQ(applicationTitleFor(QStringLiteral("One Two Three Four")),
              QStringLiteral("One Two Three"));

    const QString sixty =
        QStringLiteral("Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel India Juli");
    ASSERT_EQ(sixty.size(), 60);
    EXPECT_EQ(applicationTitleFor(sixty), QStringLiteral("Alpha Bravo Charlie Delta Echo Foxtrot"));

    const QString twoWords = QStringLiteral("A B");
    EXPECT_EQ(applicationTitleFor(twoWords), QStringLiteral("A"));
    EXPECT_EQ(applicationTitleFor(QStringLiteral("Single")), QString());
}

} // namespace
} // namespace brindlecast
