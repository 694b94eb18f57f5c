// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FileRows.h"
#include "core/PointerKind.h"

#include <QCursor>
#include <QHeaderView>
#include <QPersistentModelIndex>
#include <QTableView>
#include <optional>

namespace brindlecast {

class FileListModel;

// The input files of the next run, one row per file holding its full path, in conversion order.
// Rows are numbered from 1; 0 means "no row".
//
// The view only reports what the user does (as signals) and offers the row operations; what the
// events mean is decided by the list's handlers.
class FileListView : public QTableView, public FileRows {
    Q_OBJECT
public:
    explicit FileListView(QWidget* parent = nullptr);

    // The text above the column of paths, and that column's header.
    void setColumnHeader(const QString& text);
    QHeaderView* header() const { return horizontalHeader(); }

    using FileRows::appendRow;
    void appendRow(const QString& path, const QString& baseFolder) override;
    int rowCount() const override;
    QString rowText(int row) const override;
    QString rowBaseFolder(int row) const override;
    void setRowText(int row, const QString& text);
    // Exchanges two rows, each keeping its base folder.
    void swapRows(int first, int second);
    void removeRow(int row);
    void removeAllRows();

    // The selected row, or 0 when none is selected.
    int selectedRow() const;
    void selectRow(int row);
    // The row at a position in viewport coordinates, or 0 when no row is there.
    int rowAt(const QPoint& position) const;
    void ensureRowVisible(int row);

    // A handle on a row that follows it while rows before it come and go, and becomes invalid
    // when the row itself is removed or the list is cleared.
    QPersistentModelIndex rowHandle(int row) const;
    static int rowOfHandle(const QPersistentModelIndex& handle);

    // The list's own pointer: PointerDefault inherits the window's, PointerArrow is the arrow,
    // PointerCustom the given image.
    void setPointer(PointerKind kind, const std::optional<QCursor>& custom = std::nullopt);
    PointerKind pointerKind() const { return m_pointerKind; }
    // While the window is busy its hourglass shows over the rows too.
    void setWindowBusy(bool busy);

signals:
    void keyDown(int key);
    void mouseDown();
    void rowClicked();
    void mouseMoved(const QPoint& position, const QPoint& screenPosition);
    void mouseUp();
    void doubleClickedAnywhere();
    // Local files and folders dropped from outside, in the order of the dropped data.
    void pathsDropped(const QStringList& paths);

protected:
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showPointer();
    void fitRowHeight();
    QModelIndex indexOfRow(int row) const;

    FileListModel* m_rows;

    PointerKind m_pointerKind = PointerDefault;
    std::optional<QCursor> m_customPointer;
    bool m_windowBusy = false;
};

} // namespace brindlecast
