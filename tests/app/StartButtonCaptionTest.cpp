// SPDX-License-Identifier: GPL-3.0-or-later
// "Start Converting" only reads "Stop Converting" while a run converts; a press that starts no
// run never changes it and never asks whether to stop.
#include "app/Form1.h"
#include "filelist/FileListView.h"
#include "support/QtPrinters.h"
#include "support/WindowFixture.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace brindlecast {
namespace {

using StartButtonCaption = test::WindowFixture;

TEST_F(StartButtonCaption, AnEmptyListStartsNoRunAndAsksNothing)
{
    Form1& form = openWindow(Shown::Yes);
    ASSERT_EQ(form.ListView1->rowCount(), 0);
    EXPECT_EQ(form.PushButton2->text(), QStringLiteral("Start Converting"));

    QStringList captionsWhileTold;
    m_platform.scripted.onMessage = [&](const MessageRequest&) {
        captionsWhileTold << form.PushButton2->text();
    };
    for (int press = 1; press <= 2; ++press) {
        QTest::mouseClick(form.PushButton2, Qt::LeftButton);
        EXPECT_EQ(form.PushButton2->text(), QStringLiteral("Start Converting")) << press;
    }

    EXPECT_EQ(m_platform.scripted.messageTexts(),
              (QStringList{QStringLiteral("No files added."), QStringLiteral("No files added.")}));
    for (const MessageRequest& message : m_platform.scripted.messages)
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(captionsWhileTold, (QStringList{QStringLiteral("Start Converting"),
                                              QStringLiteral("Start Converting")}));
    EXPECT_FALSE(form.conversion().isConverting());
}

} // namespace
} // namespace brindlecast
