// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileListFixture.h"
#include "core/PointerKind.h"

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

const QStringList kThreeRows{u"/music/one.wav"_s, u"/music/two.wav"_s, u"/music/three.wav"_s};

class RowRemoval : public FileListFixture {};

// Only the key code counts: Backspace is no Delete, and modifiers are ignored.
TEST_F(RowRemoval, OnlyTheDeleteKeyRemovesWhateverTheModifiers)
{
    addRows(kThreeRows);
    clickRow(3);
    QTest::keyClick(list, Qt::Key_Backspace);
    EXPECT_EQ(rows(), kThreeRows);
    QTest::keyClick(list, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(rows(), (QStringList{u"/music/one.wav"_s, u"/music/two.wav"_s}));
}

TEST_F(RowRemoval, DoubleClickBelowTheRowsRemovesTheSelectedRowIfAny)
{
    addRows(kThreeRows);
    doubleClick(belowLastRow());
    EXPECT_EQ(rows(), kThreeRows);
    clickRow(2);
    doubleClick(belowLastRow());
    EXPECT_EQ(rows(), (QStringList{u"/music/one.wav"_s, u"/music/three.wav"_s}));
}

TEST_F(RowRemoval, NothingIsRemovedOrClearedWhileBusyOrEmpty)
{
    addRows(kThreeRows);
    clickRow(2);
    m_form->setMousePointer(PointerBusy);
    QTest::keyClick(list, Qt::Key_Delete);
    doubleClick(rowCenter(2));
    QTest::mouseClick(m_form->PushButton4, Qt::LeftButton);
    EXPECT_EQ(rows(), kThreeRows);

    m_form->setMousePointer(PointerDefault);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(list->rowCount(), 2);
    QTest::mouseClick(m_form->PushButton4, Qt::LeftButton);
    EXPECT_EQ(list->rowCount(), 0);

    // An empty list stays empty and quiet.
    QTest::keyClick(list, Qt::Key_Delete);
    doubleClick(QPoint(20, 20));
    QTest::mouseClick(m_form->PushButton4, Qt::LeftButton);
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_TRUE(m_platform.scripted.messages.isEmpty());
}

} // namespace
} // namespace brindlecast::test
