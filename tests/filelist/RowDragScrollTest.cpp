#include "FileListFixture.h"

#include <QScrollBar>

namespace brindlecast::test {
namespace {

// Where the pointer is on the screen decides whether a drag step scrolls the list.
struct ScrollCase {
    int screenY;
    bool downwards;
    bool scrolls;
};

void PrintTo(const ScrollCase& c, std::ostream* out)
{
    *out << "screen y " << c.screenY << (c.downwards ? " downwards" : " upwards");
}

class RowDragScroll : public FileListFixture, public ::testing::WithParamInterface<ScrollCase> {
  protected:
    void SetUp() override
    {
        FileListFixture::SetUp();
        for (int i = 1; i <= 40; ++i)
            list->appendRow(QStringLiteral("/music/track %1.wav").arg(i));
        list->scrollToItem(list->topLevelItem(19), QAbstractItemView::PositionAtCenter);
    }

    bool fullyVisible(int row) const
    {
        return viewport()->rect().contains(list->visualItemRect(list->topLevelItem(row - 1)));
    }

    int firstVisibleRow() const
    {
        int row = 1;
        while (!fullyVisible(row))
            ++row;
        return row;
    }

    int lastVisibleRow() const
    {
        int row = firstVisibleRow();
        while (row < list->rowCount() && fullyVisible(row + 1))
            ++row;
        return row;
    }

    int scrollPosition() const { return list->verticalScrollBar()->value(); }
};

TEST_P(RowDragScroll, ScrollsOnlyNearTheScreenEdges)
{
    const ScrollCase c = GetParam();
    const int from = c.downwards ? lastVisibleRow() - 1 : firstVisibleRow() + 1;
    const int to = c.downwards ? from + 1 : from - 1;
    const int before = scrollPosition();

    press(rowCenter(from));
    moveTo(rowCenter(to), c.screenY);
    release(rowCenter(to));

    ASSERT_EQ(list->rowText(to), QStringLiteral("/music/track %1.wav").arg(from));
    if (c.scrolls) {
        EXPECT_TRUE(fullyVisible(c.downwards ? to + 1 : to - 1));
        EXPECT_NE(scrollPosition(), before);
    } else {
        EXPECT_EQ(scrollPosition(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ScreenRows, RowDragScroll,
    ::testing::Values(ScrollCase{304, false, true}, ScrollCase{305, false, false},
                      ScrollCase{364, false, false}, ScrollCase{0, false, true},
                      ScrollCase{364, true, false}, ScrollCase{365, true, true},
                      ScrollCase{305, true, false}, ScrollCase{2000, true, true}));

} // namespace
} // namespace brindlecast::test
