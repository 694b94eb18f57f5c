#pragma once

#include <QCursor>
#include <QPersistentModelIndex>
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
    // The drag pointer's image is read from the application folder at every click; without it
    // the window's hover pointer shows, and without that the arrow.
    RowDrag(FileListView& list, WindowPointer& pointer, QString applicationFolder,
            const std::optional<QCursor>& hoverPointer);

    void ListView1_MouseDown();
    void ListView1_ItemClick();
    void ListView1_MouseMove(const QPoint& position, const QPoint& screenPosition);
    void ListView1_MouseUp();

    bool isMouseDown() const { return m_isMouseDown; }
    // The row being dragged, or 0 when there is none (never clicked, or its row is gone).
    int dragRow() const;

private:
    void scrollNear(int targetRow, int screenY);

    FileListView& m_list;
    WindowPointer& m_pointer;
    QString m_applicationFolder;
    const std::optional<QCursor>& m_hoverPointer;
    bool m_isMouseDown = false;
    // Follows its row and turns invalid when that row is removed, so a removed row is never
    // acted on.
    QPersistentModelIndex m_dragItem;
};

} // namespace brindlecast
