#include "FileListFixture.h"
#include "app/PointerKind.h"

#include <QPushButton>

namespace brindlecast::test {
namespace {

const QStringList kThreeRows{"/music/one.wav", "/music/two.wav", "/music/three.wav"};

class RowRemoval : public FileListFixture {};

// Only the key code decides: modifiers are ignored, and no other key removes anything.
struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool removes;
};

class RowRemovalByKey : public FileListFixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(RowRemovalByKey, OnlyDeleteRemoves)
{
    addRows(kThreeRows);
    clickRow(3);
    QTest::keyClick(list, GetParam().key, GetParam().modifiers);
    const QStringList expected =
        GetParam().removes ? QStringList{"/music/one.wav", "/music/two.wav"} : kThreeRows;
    EXPECT_EQ(rows(), expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, RowRemovalByKey,
                         ::testing::Values(KeyCase{Qt::Key_Delete, Qt::NoModifier, true},
                                           KeyCase{Qt::Key_Delete, Qt::ShiftModifier, true},
                                           KeyCase{Qt::Key_Delete, Qt::ControlModifier, true},
                                           KeyCase{Qt::Key_Delete, Qt::AltModifier, true},
                                           KeyCase{Qt::Key_Backspace, Qt::NoModifier, false},
                                           KeyCase{Qt::Key_Minus, Qt::NoModifier, false},
                                           KeyCase{Qt::Key_Space, Qt::NoModifier, false}));

TEST_F(RowRemoval, DoubleClickBelowTheRowsRemovesTheSelectedRow)
{
    addRows(kThreeRows);
    clickRow(2);
    doubleClick(belowLastRow());
    EXPECT_EQ(rows(), (QStringList{"/music/one.wav", "/music/three.wav"}));
}

TEST_F(RowRemoval, NothingIsRemovedWhileTheWindowIsBusy)
{
    addRows(kThreeRows);
    clickRow(2);
    form->setMousePointer(PointerBusy);

    QTest::keyClick(list, Qt::Key_Delete);
    doubleClick(rowCenter(2));
    QTest::mouseClick(form->PushButton4, Qt::LeftButton);

    EXPECT_EQ(rows(), kThreeRows);
    EXPECT_TRUE(platform.scripted.messages.isEmpty());

    form->setMousePointer(PointerDefault);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(list->rowCount(), 2);
}

TEST_F(RowRemoval, AnEmptyListStaysEmptyAndQuiet)
{
    QTest::keyClick(list, Qt::Key_Delete);
    doubleClick(QPoint(20, 20));
    QTest::mouseClick(form->PushButton4, Qt::LeftButton);
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_TRUE(platform.scripted.messages.isEmpty());
}

TEST_F(RowRemoval, WithoutASelectedRowNothingIsRemoved)
{
    addRows(kThreeRows);
    ASSERT_EQ(list->selectedRow(), 0);
    QTest::keyClick(list, Qt::Key_Delete);
    doubleClick(belowLastRow());
    EXPECT_EQ(rows(), kThreeRows);
}

TEST_F(RowRemoval, ClearListRemovesEveryRow)
{
    addRows(kThreeRows);
    addRows(kThreeRows);
    QTest::mouseClick(form->PushButton4, Qt::LeftButton);
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_TRUE(platform.scripted.messages.isEmpty());

    // The list is usable again afterwards.
    addRows({"/music/again.wav"});
    EXPECT_EQ(rows(), QStringList{"/music/again.wav"});
}

} // namespace
} // namespace brindlecast::test
