#include "filelist/RowDrag.h"

#include "app/Form1.h"
#include "app/PointerKind.h"
#include "filelist/FileListView.h"
#include "platform/Platform.h"

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

RowDrag::RowDrag(Form1& form) : m_form(form), m_list(*form.ListView1) {}

int RowDrag::dragRow() const
{
    return FileListView::rowOfHandle(m_dragItem);
}

void RowDrag::ListView1_MouseDown()
{
    m_isMouseDown = true;
}

void RowDrag::ListView1_ItemClick()
{
    // Read at every click, so a replaced image shows at once. Without a readable image the drag
    // still works, showing the window's hand pointer or, failing that, the arrow.
    const QPixmap image(m_form.platform().applicationFolder() + QStringLiteral("/drag.ico"));
    std::optional<QCursor> pointer;
    if (!image.isNull())
        pointer = QCursor(image, kDragHotSpotX, kDragHotSpotY);
    else
        pointer = m_form.hoverPointer().value_or(QCursor(Qt::ArrowCursor));
    m_list.setPointer(PointerCustom, pointer);

    m_dragItem = m_list.rowHandle(m_list.selectedRow());
}

void RowDrag::ListView1_MouseMove(const QPoint& position, const QPoint& screenPosition)
{
    m_form.setMousePointer(pointerAfterHover(m_form.mousePointer(), PointerDefault));
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

    m_list.setRowText(dragged, targetText);
    m_list.setRowText(target, draggedText);
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

void RowDrag::ListView1_MouseUp()
{
    m_isMouseDown = false;
    m_list.setPointer(PointerArrow);
}

} // namespace brindlecast
