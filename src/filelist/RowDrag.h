// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QPersistentModelIndex>
#include <functional>
#include <optional>

class QPoint;

namespace brindlecast {

class FileListView;
class WindowPointer;

// Reordering rows with the mouse: while a button is held, the path of the last clicked row is
// exchanged with the row under the pointer, so it travels with the pointer and every row it
// passes moves one place back towards where the drag began.
class RowDrag {
public:
    // The window's hover pointer, when it has one, at the moment it is asked for.
    using PointerSource = std::function<std::optional<QCursor>()>;

    // The drag pointer's image is read from the application folder at every click; without it
    // the window's hover pointer shows, and without that the arrow.
    RowDrag(FileListView& list, WindowPointer& pointer, QString applicationFolder,
            PointerSource hoverPointer);

    // A button went down on the list: moves now drag.
    void holdButton();
    // A row was clicked: it is the row to drag, and the drag pointer shows.
    void pickClickedRow();
    // The pointer moved over the list: with a button held, the dragged path moves to the row
    // under it.
    void dragToPointer(const QPoint& position, const QPoint& screenPosition);
    // A button came up on the list: the drag ends and the arrow shows.
    void releaseButton();

    bool isMouseDown() const { return m_isMouseDown; }
    // The row being dragged, or 0 when there is none (never clicked, or its row is gone).
    int dragRow() const;

private:
    void scrollNear(int targetRow, int screenY);

    FileListView& m_list;
    WindowPointer& m_pointer;
    QString m_applicationFolder;
    PointerSource m_hoverPointer;
    bool m_isMouseDown = false;
    // Follows its row and turns invalid when that row is removed, so a removed row is never
    // acted on.
    QPersistentModelIndex m_dragItem;
};

} // namespace brindlecast
