// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileListFixture.h"
#include "core/PointerKind.h"

#include <QFile>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

class RowDrag : public FileListFixture {};

TEST_F(RowDrag, TheDraggedPathTravelsAndThePassedRowsMoveUp)
{
    addRows(numberedPaths(5));
    clickRow(1);
    moveTo(rowCenter(3), Qt::LeftButton); // no button is down: the reported buttons do not count
    EXPECT_EQ(rows(), numberedPaths(5));

    drag(rowCenter(1), {2, 3, 4});
    EXPECT_EQ(rows(), (QStringList{u"/music/track 2.wav"_s, u"/music/track 3.wav"_s,
                                   u"/music/track 4.wav"_s, u"/music/track 1.wav"_s,
                                   u"/music/track 5.wav"_s}));
    EXPECT_EQ(list->selectedRow(), 4);

    // A press below the rows, with either button, drags the same path again.
    drag(belowLastRow(), {3}, Qt::RightButton);
    EXPECT_EQ(rows(), (QStringList{u"/music/track 2.wav"_s, u"/music/track 3.wav"_s,
                                   u"/music/track 1.wav"_s, u"/music/track 4.wav"_s,
                                   u"/music/track 5.wav"_s}));
}

TEST_F(RowDrag, AnIdenticalPathIsPassedOverWithoutChange)
{
    addRows({u"/music/same.wav"_s, u"/music/same.wav"_s, u"/music/other.wav"_s});
    drag(rowCenter(1), {2, 3}); // row 1 stays the dragged row over its twin
    EXPECT_EQ(rows(),
              (QStringList{u"/music/other.wav"_s, u"/music/same.wav"_s, u"/music/same.wav"_s}));
}

// The dragged row is followed when rows before it go, and never dragged once it is gone.
TEST_F(RowDrag, TheDraggedRowIsFollowedUntilItIsGone)
{
    addRows(numberedPaths(4));
    clickRow(3);
    QTest::keyClick(list, Qt::Key_Home); // selects row 1 without a row click
    QTest::keyClick(list, Qt::Key_Delete);
    drag(belowLastRow(), {3});
    const QStringList moved{u"/music/track 2.wav"_s, u"/music/track 4.wav"_s,
                            u"/music/track 3.wav"_s};
    EXPECT_EQ(rows(), moved);

    clickRow(3);
    QTest::keyClick(list, Qt::Key_Delete);
    drag(belowLastRow(), {1, 2});
    EXPECT_EQ(rows(), moved.mid(0, 2));

    clickRow(1);
    QTest::mouseClick(m_form->PushButton4, Qt::LeftButton);
    addRows(numberedPaths(3));
    drag(belowLastRow(), {1, 2});
    EXPECT_EQ(rows(), numberedPaths(3));
}

TEST_F(RowDrag, AMissingDragImageStillLetsTheDragWork)
{
    ASSERT_TRUE(QFile::remove(m_platform.appFolder + QStringLiteral("/drag.ico")));
    addRows(numberedPaths(2));
    QTest::mousePress(view, Qt::LeftButton, {}, rowCenter(1));
    EXPECT_EQ(view->cursor().hotSpot(), m_form->hoverPointer()->hotSpot());
    moveTo(rowCenter(2), Qt::LeftButton);
    QTest::mouseRelease(view, Qt::LeftButton, {}, rowCenter(2));
    EXPECT_EQ(rows(), (QStringList{u"/music/track 2.wav"_s, u"/music/track 1.wav"_s}));
}

// A row click shows the drag image until release; hovering resets the window's pointer, but the
// hourglass stays over the list while busy.
TEST_F(RowDrag, PointersOverTheList)
{
    addRows(numberedPaths(1));
    QTest::mousePress(view, Qt::LeftButton, {}, rowCenter(1));
    EXPECT_EQ(view->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(view->cursor().hotSpot(), QPoint(1, 1));
    QTest::mouseRelease(view, Qt::LeftButton, {}, rowCenter(1));
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);

    m_form->setMousePointer(PointerCustom);
    moveTo(rowCenter(1), Qt::NoButton);
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
    m_form->setMousePointer(PointerBusy);
    moveTo(rowCenter(1), Qt::NoButton);
    EXPECT_EQ(m_form->mousePointer(), PointerBusy);
    clickRow(1);
    EXPECT_EQ(view->cursor().shape(), Qt::WaitCursor);
    m_form->setMousePointer(PointerDefault);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace brindlecast::test
