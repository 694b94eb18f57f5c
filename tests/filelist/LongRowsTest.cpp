// SPDX-License-Identifier: GPL-3.0-or-later
// A path too long for the column loses its middle on screen, so the file's name stays in sight,
// and shows whole as the row's tooltip. The column keeps its distance from the list's right edge
// as the list changes width, and dragged wider than the list, the list scrolls sideways.
#include "FileListFixture.h"
#include "app/Form1.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScrollBar>
#include <QToolTip>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

const QString kLongPath = u"/music/Collected Recordings Of Many Years/Album With A Very Long Name "
                          u"That Goes On And On Past Any Column (Remastered Edition)/Disc 1/"
                          u"01 - Song.wav"_s;

class LongRows : public FileListFixture {
protected:
    QModelIndex indexOfRow(int row) const { return list->model()->index(row - 1, 0); }

    // The text of the tooltip that resting the pointer on a row shows.
    QString toolTipShownAt(int row)
    {
        const QPoint at = rowCenter(row);
        QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
        QApplication::sendEvent(view, &help);
        const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
        QToolTip::hideText();
        return text;
    }

    // A scroll bar comes and goes by a posted layout request, which the first pass over the posted
    // events only posts; a few passes let the list reach its rest.
    static void settle()
    {
        for (int pass = 0; pass < 4; ++pass)
            QCoreApplication::processEvents();
    }

    // The room between the column's right end and the list's right edge.
    int roomRightOfColumn() const { return view->width() - list->columnWidth(0); }

    void dragColumnEdgeBy(int distance)
    {
        QHeaderView* header = list->header();
        QWidget* headerView = header->viewport();
        const int y = headerView->height() / 2;
        const QPoint edge(header->sectionViewportPosition(0) + header->sectionSize(0) - 1, y);
        QTest::mousePress(headerView, Qt::LeftButton, {}, edge);
        const QPoint to = edge + QPoint(distance, 0);
        QMouseEvent move(QEvent::MouseMove, to, headerView->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(headerView, &move);
        QTest::mouseRelease(headerView, Qt::LeftButton, {}, to);
    }
};

TEST_F(LongRows, ALongPathLosesItsMiddleOnScreenAndShowsWholeAsTooltip)
{
    addRows({u"/music/short.wav"_s, kLongPath});
    ASSERT_GT(list->fontMetrics().horizontalAdvance(kLongPath), list->columnWidth(0) + 200);

    EXPECT_EQ(list->textElideMode(), Qt::ElideMiddle);
    EXPECT_FALSE(list->wordWrap()); // a wrapped row would hide the file's name below it
    EXPECT_EQ(list->rowText(2), kLongPath);
    EXPECT_EQ(indexOfRow(2).data(Qt::DisplayRole).toString(), kLongPath);
    EXPECT_EQ(indexOfRow(2).data(Qt::ToolTipRole).toString(), kLongPath);
    EXPECT_EQ(indexOfRow(1).data(Qt::ToolTipRole).toString(), u"/music/short.wav"_s);
    EXPECT_EQ(toolTipShownAt(2), kLongPath);

    // The tooltip follows the row's text as it changes and as rows trade places.
    const QString renamed = kLongPath + u" (2).wav"_s;
    list->setRowText(2, renamed);
    EXPECT_EQ(indexOfRow(2).data(Qt::ToolTipRole).toString(), renamed);
    list->swapRows(1, 2);
    EXPECT_EQ(indexOfRow(1).data(Qt::ToolTipRole).toString(), renamed);
    EXPECT_EQ(indexOfRow(2).data(Qt::ToolTipRole).toString(), u"/music/short.wav"_s);
    EXPECT_EQ(toolTipShownAt(1), renamed);
    EXPECT_EQ(rows(), (QStringList{renamed, u"/music/short.wav"_s}));
}

TEST_F(LongRows, TheColumnWidensWithTheWindow)
{
    ASSERT_EQ(list->columnWidth(0), 467);
    const int room = roomRightOfColumn();

    m_form->resize(m_form->size() + QSize(200, 150));
    settle();
    ASSERT_EQ(list->width(), 720);
    EXPECT_EQ(list->columnWidth(0), 667);
    EXPECT_EQ(roomRightOfColumn(), room);
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);

    m_form->resize(m_form->minimumSize());
    settle();
    EXPECT_EQ(list->columnWidth(0), 467);
}

TEST_F(LongRows, AColumnDraggedWiderThanTheListScrollsSideways)
{
    addRows({kLongPath});
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());

    dragColumnEdgeBy(2000 - 467);
    settle();
    ASSERT_EQ(list->columnWidth(0), 2000);

    QScrollBar* sideways = list->horizontalScrollBar();
    EXPECT_TRUE(sideways->isVisible());
    ASSERT_EQ(sideways->maximum(), 2000 - view->width());
    sideways->setValue(sideways->maximum());
    EXPECT_EQ(list->visualRect(indexOfRow(1)).left(), -sideways->maximum());
    EXPECT_EQ(list->header()->offset(), sideways->maximum());
    EXPECT_EQ(list->visualRect(indexOfRow(1)).right(), view->width() - 1); // the far end shows

    // A wider window keeps the column's reach beyond the list's edge.
    const int beyond = list->columnWidth(0) - view->width();
    m_form->resize(m_form->size() + QSize(200, 0));
    settle();
    EXPECT_EQ(list->columnWidth(0), 2200);
    EXPECT_EQ(list->columnWidth(0) - view->width(), beyond);
}

TEST_F(LongRows, AVerticalScrollBarBringsNoSidewaysOne)
{
    const int room = roomRightOfColumn();
    ASSERT_GT(room, 0);
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());

    addRows(numberedPaths(200));
    settle();
    ASSERT_TRUE(list->verticalScrollBar()->isVisible());
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    // The column gave up the scroll bar's width, keeping its distance from the right edge.
    EXPECT_EQ(roomRightOfColumn(), room);
    EXPECT_LT(list->columnWidth(0), 467);

    // Once the rows go, so does the scroll bar, and the column has its width again.
    list->removeAllRows();
    settle();
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());
    EXPECT_EQ(list->columnWidth(0), 467);
}

} // namespace
} // namespace brindlecast::test
