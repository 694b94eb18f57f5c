#include "FileListFixture.h"
#include "app/PointerKind.h"

#include <QFile>

namespace brindlecast::test {
namespace {

class RowDragPointer : public FileListFixture {
  protected:
    QCursor listCursor() const { return viewport()->cursor(); }

    QString dragImagePath() const { return platform.appFolder + QStringLiteral("/drag.ico"); }

    void replaceDragImage(const QByteArray& content)
    {
        QFile file(dragImagePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
};

TEST_F(RowDragPointer, ARowClickShowsTheDragImageAndReleaseTheArrow)
{
    addRows({"/music/a.wav", "/music/b.wav"});
    press(rowCenter(1));
    EXPECT_EQ(list->pointerKind(), PointerCustom);
    EXPECT_EQ(listCursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(listCursor().hotSpot(), QPoint(1, 1));
    EXPECT_FALSE(listCursor().pixmap().isNull());

    release(rowCenter(1));
    EXPECT_EQ(list->pointerKind(), PointerArrow);
    EXPECT_EQ(listCursor().shape(), Qt::ArrowCursor);

    // A press below the rows is no row click: the arrow stays.
    press(belowLastRow());
    EXPECT_EQ(listCursor().shape(), Qt::ArrowCursor);
}

TEST_F(RowDragPointer, AnUnreadableDragImageStillLetsTheDragWork)
{
    replaceDragImage("this is not an image");
    addRows({"/music/a.wav", "/music/b.wav"});
    press(rowCenter(1));
    EXPECT_EQ(listCursor().hotSpot(), form->hoverPointer()->hotSpot());
    moveTo(rowCenter(2));
    release(rowCenter(2));
    EXPECT_EQ(rows(), (QStringList{"/music/b.wav", "/music/a.wav"}));
}

TEST_F(RowDragPointer, TheHourglassShowsOverTheListWhileBusy)
{
    addRows({"/music/a.wav"});
    clickRow(1);
    form->setMousePointer(PointerBusy);
    EXPECT_EQ(listCursor().shape(), Qt::WaitCursor);
    press(rowCenter(1));
    EXPECT_EQ(listCursor().shape(), Qt::WaitCursor);
    release(rowCenter(1));
    EXPECT_EQ(listCursor().shape(), Qt::WaitCursor);

    form->setMousePointer(PointerDefault);
    EXPECT_EQ(listCursor().shape(), Qt::ArrowCursor);
}

} // namespace
} // namespace brindlecast::test
