// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/RowDrag.h"

#include "core/PointerKind.h"
#include "filelist/FileListView.h"

#include <QPixmap>
#include <QPoint>

namespace brindlecast {

namespace {

// A drag scrolls the list when the pointer is above or below these fixed rows of the screen (not
// of the window or the list).
constexpr int kScrollUpBelowScreenY = 305;
constexpr int kScrollDownFromScreenY = 365;

// The tip of the drawn arrow is the pointer's hot spot.
constexpr int kDragHotSpotX = 1;
constexpr int kDragHotSpotY = 1;

} // namespace

RowDrag::RowDrag(FileListView& list, WindowPointer& pointer, QString applicationFolder,
                 PointerSource hoverPointer)
    : m_list(list), m_pointer(pointer), m_applicationFolder(std::move(applicationFolder)),
      m_hoverPointer(std::move(hoverPointer))
{
}

int RowDrag::dragRow() const
{
    return FileListView::rowOfHandle(m_dragItem);
}

void RowDrag::holdButton()
{
    m_isMouseDown = true;
}

void RowDrag::pickClickedRow()
{
    // Read at every click, so a replaced image shows at once. Without a readable image the drag
    // still works, showing the window's hand pointer or, failing that, the arrow.
    const QPixmap image(m_applicationFolder + QStringLiteral("/drag.ico"));
    std::optional<QCursor> pointer;
    if (!image.isNull())
        pointer = QCursor(image, kDragHotSpotX, kDragHotSpotY);
    else
        pointer =
            (m_hoverPointer ? m_hoverPointer() : std::nullopt).value_or(QCursor(Qt::ArrowCursor));
    m_list.setPointer(PointerCustom, pointer);

    m_dragItem = m_list.rowHandle(m_list.selectedRow());
}

void RowDrag::dragToPointer(const QPoint& position, const QPoint& screenPosition)
{
    m_pointer.setMousePointer(pointerAfterHover(m_pointer.mousePointer(), PointerDefault));
    if (!m_isMouseDown)
        return;

    const int target = m_list.rowAt(position);
    const int dragged = dragRow();
    if (target == 0 || dragged == 0)
        return;
    const QString draggedText = m_list.rowText(dragged);
    const QString targetText = m_list.rowText(target);
    if (draggedText == targetText)
        return;

    // Each path moves with the folder it was found under.
    m_list.swapRows(dragged, target);
    m_list.selectRow(target);
    m_dragItem = m_list.rowHandle(target);
    scrollNear(target, screenPosition.y());
}

void RowDrag::scrollNear(int targetRow, int screenY)
{
    if (screenY < kScrollUpBelowScreenY) {
        if (targetRow - 1 > 0)
            m_list.ensureRowVisible(targetRow - 1);
    } else if (screenY >= kScrollDownFromScreenY) {
        if (targetRow + 1 <= m_list.rowCount())
            m_list.ensureRowVisible(targetRow + 1);
    }
}

void RowDrag::releaseButton()
{
    m_isMouseDown = false;
    m_list.setPointer(PointerArrow);
}

} // namespace brindlecast
