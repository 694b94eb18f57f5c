#include "FileListFixture.h"
#include "app/PointerKind.h"

#include <QPushButton>

namespace brindlecast::test {
namespace {

QStringList numberedPaths(int count)
{
    QStringList paths;
    for (int i = 1; i <= count; ++i)
        paths << QStringLiteral("/music/track %1.wav").arg(i);
    return paths;
}

class RowDragTest : public FileListFixture {
  protected:
    // Presses on a row, moves over each of the given rows with the button held, then releases.
    void dragAcross(int from, const QList<int>& over, Qt::MouseButton button = Qt::LeftButton)
    {
        press(rowCenter(from), button);
        for (int row : over)
            moveTo(rowCenter(row), kQuietScreenY, button);
        release(rowCenter(over.isEmpty() ? from : over.back()), button);
    }
};

TEST_F(RowDragTest, TheDraggedPathTravelsAndThePassedRowsMoveUp)
{
    addRows(numberedPaths(5));
    dragAcross(1, {2, 3, 4});
    EXPECT_EQ(rows(), (QStringList{"/music/track 2.wav", "/music/track 3.wav", "/music/track 4.wav",
                                   "/music/track 1.wav", "/music/track 5.wav"}));
    EXPECT_EQ(list->selectedRow(), 4);
    EXPECT_EQ(list->rowCount(), 5);
}

TEST_F(RowDragTest, AnIdenticalPathIsPassedOverWithoutChange)
{
    addRows({"/music/same.wav", "/music/same.wav", "/music/other.wav"});
    press(rowCenter(1));
    moveTo(rowCenter(2));
    EXPECT_EQ(list->selectedRow(), 1);
    // The drag goes on from row 1, which is still the dragged row.
    moveTo(rowCenter(3));
    release(rowCenter(3));
    EXPECT_EQ(rows(), (QStringList{"/music/other.wav", "/music/same.wav", "/music/same.wav"}));
    EXPECT_EQ(list->selectedRow(), 3);
}

TEST_F(RowDragTest, MovingWithoutAButtonDownChangesNothing)
{
    addRows(numberedPaths(3));
    clickRow(1);
    moveTo(rowCenter(3), kQuietScreenY, Qt::LeftButton); // the reported buttons do not count
    EXPECT_EQ(rows(), numberedPaths(3));
}

TEST_F(RowDragTest, ARightButtonDragMovesTheLastClickedRowsPath)
{
    addRows(numberedPaths(4));
    clickRow(1);
    press(belowLastRow(), Qt::RightButton);
    moveTo(rowCenter(3), kQuietScreenY, Qt::RightButton);
    release(rowCenter(3), Qt::RightButton);
    EXPECT_EQ(rows(), (QStringList{"/music/track 3.wav", "/music/track 2.wav", "/music/track 1.wav",
                                   "/music/track 4.wav"}));
}

TEST_F(RowDragTest, ALaterDragMovesTheSamePathAgain)
{
    addRows(numberedPaths(4));
    dragAcross(1, {2});
    // A press below the rows is no row click: the path dragged before is dragged again.
    press(belowLastRow());
    moveTo(rowCenter(3));
    release(rowCenter(3));
    EXPECT_EQ(rows(), (QStringList{"/music/track 2.wav", "/music/track 3.wav", "/music/track 1.wav",
                                   "/music/track 4.wav"}));
}

// A row that is gone is never dragged again until another row is clicked.
TEST_F(RowDragTest, NoDragAfterClearList)
{
    addRows(numberedPaths(3));
    dragAcross(1, {});
    QTest::mouseClick(form->PushButton4, Qt::LeftButton);
    addRows(numberedPaths(3));
    press(belowLastRow());
    moveTo(rowCenter(1));
    moveTo(rowCenter(2));
    release(rowCenter(2));
    EXPECT_EQ(rows(), numberedPaths(3));
}

TEST_F(RowDragTest, NoDragAfterTheDraggedRowIsDeleted)
{
    addRows(numberedPaths(4));
    clickRow(2);
    QTest::keyClick(list, Qt::Key_Delete);
    press(belowLastRow());
    moveTo(rowCenter(1));
    moveTo(rowCenter(3));
    release(rowCenter(3));
    EXPECT_EQ(rows(),
              (QStringList{"/music/track 1.wav", "/music/track 3.wav", "/music/track 4.wav"}));
}

TEST_F(RowDragTest, TheDraggedRowIsFollowedWhenAnEarlierRowIsDeleted)
{
    addRows(numberedPaths(4));
    clickRow(3);
    QTest::keyClick(list, Qt::Key_Home); // selects row 1 without a row click
    QTest::keyClick(list, Qt::Key_Delete);
    // Track 3 is now row 2 and is still the dragged path.
    press(belowLastRow());
    moveTo(rowCenter(3));
    release(rowCenter(3));
    EXPECT_EQ(rows(),
              (QStringList{"/music/track 2.wav", "/music/track 4.wav", "/music/track 3.wav"}));
}

TEST_F(RowDragTest, MovingOverTheListResetsTheWindowPointerUnlessBusy)
{
    addRows(numberedPaths(2));
    form->setMousePointer(PointerCustom);
    moveTo(rowCenter(1), kQuietScreenY, Qt::NoButton);
    EXPECT_EQ(form->mousePointer(), PointerDefault);

    form->setMousePointer(PointerBusy);
    moveTo(rowCenter(1), kQuietScreenY, Qt::NoButton);
    EXPECT_EQ(form->mousePointer(), PointerBusy);
}

} // namespace
} // namespace brindlecast::test
