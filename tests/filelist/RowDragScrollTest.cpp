// SPDX-License-Identifier: GPL-3.0-or-later
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

class RowDragScroll : public FileListFixture, public ::testing::WithParamInterface<ScrollCase> {};

// Row 20 is shown at the edge the drag heads for; the drag ends on it from its neighbour.
TEST_P(RowDragScroll, ScrollsOnlyNearTheScreenEdges)
{
    const ScrollCase c = GetParam();
    addRows(numberedPaths(40));
    list->scrollTo(list->model()->index(19, 0), c.downwards ? QAbstractItemView::PositionAtBottom
                                                            : QAbstractItemView::PositionAtTop);
    const int before = list->verticalScrollBar()->value();
    const int from = c.downwards ? 19 : 21;

    drag(rowCenter(from), {20}, Qt::LeftButton, c.screenY);
    ASSERT_EQ(list->rowText(20), QStringLiteral("/music/track %1.wav").arg(from));
    EXPECT_EQ(list->verticalScrollBar()->value() != before, c.scrolls);
}

INSTANTIATE_TEST_SUITE_P(ScreenRows, RowDragScroll,
                         ::testing::Values(ScrollCase{304, false, true},
                                           ScrollCase{305, false, false},
                                           ScrollCase{364, true, false},
                                           ScrollCase{365, true, true}));

} // namespace
} // namespace brindlecast::test
