// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/FileListView.h"

#include "core/PointerKind.h"
#include "filelist/FileDrop.h"
#include "filelist/FileListModel.h"
#include "filelist/LeftOutNotice.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QResizeEvent>
#include <algorithm>

namespace brindlecast {

namespace {
// However narrow the list gets, a few letters of each row stay readable.
constexpr int kNarrowestColumn = 60;
} // namespace

FileListView::FileListView(QWidget* parent) : QTableView(parent), m_rows(new FileListModel(this))
{
    setModel(m_rows);
    // A table rather than a tree: a tree lays out every row again whenever rows are added, which
    // for a whole disk's files stalls the window; a table only keeps each row's height.
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRowHeight();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    // The column may be dragged wider than the list, which then scrolls sideways; a path too
    // long for the column loses its middle, so that the file's name stays in sight.
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideMiddle);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Rows are reordered by the list's own drag handling, never by dragging data out of it.
    setDragEnabled(false);
    setAutoScroll(false);
    // Every move over the rows is reported, with or without a button held.
    viewport()->setMouseTracking(true);
    // Files dropped from outside are handled by the list's handlers, not by the item model.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void FileListView::setColumnHeader(const QString& text)
{
    m_rows->setHeaderText(text);
}

void FileListView::appendRow(const QString& path, const QString& baseFolder)
{
    // The ways in leave such paths out and say so; a NUL would cut the path short where it
    // reaches the system, and name another file.
    if (isNameablePath(path))
        m_rows->append(path, baseFolder);
}

int FileListView::rowCount() const
{
    return m_rows->rowCount();
}

QString FileListView::rowText(int row) const
{
    return m_rows->text(row - 1);
}

QString FileListView::rowBaseFolder(int row) const
{
    return m_rows->baseFolder(row - 1);
}

void FileListView::swapRows(int first, int second)
{
    m_rows->swap(first - 1, second - 1);
}

void FileListView::setRowText(int row, const QString& text)
{
    if (isNameablePath(text))
        m_rows->setText(row - 1, text);
}

void FileListView::removeRow(int row)
{
    m_rows->remove(row - 1);
}

void FileListView::removeAllRows()
{
    m_rows->clear();
}

int FileListView::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? 0 : selected.front().row() + 1;
}

void FileListView::selectRow(int row)
{
    if (const QModelIndex index = indexOfRow(row); index.isValid())
        setCurrentIndex(index);
}

int FileListView::rowAt(const QPoint& position) const
{
    const QModelIndex index = indexAt(position);
    return index.isValid() ? index.row() + 1 : 0;
}

void FileListView::ensureRowVisible(int row)
{
    if (const QModelIndex index = indexOfRow(row); index.isValid())
        scrollTo(index, QAbstractItemView::EnsureVisible);
}

QPersistentModelIndex FileListView::rowHandle(int row) const
{
    return QPersistentModelIndex(indexOfRow(row));
}

int FileListView::rowOfHandle(const QPersistentModelIndex& handle)
{
    return handle.isValid() ? handle.row() + 1 : 0;
}

QModelIndex FileListView::indexOfRow(int row) const
{
    return m_rows->index(row - 1);
}

void FileListView::setPointer(PointerKind kind, const std::optional<QCursor>& custom)
{
    m_pointerKind = kind;
    m_customPointer = custom;
    showPointer();
}

void FileListView::setWindowBusy(bool busy)
{
    m_windowBusy = busy;
    showPointer();
}

void FileListView::showPointer()
{
    if (m_windowBusy)
        viewport()->setCursor(Qt::WaitCursor);
    else if (m_pointerKind == PointerCustom && m_customPointer)
        viewport()->setCursor(*m_customPointer);
    else if (m_pointerKind == PointerArrow)
        viewport()->setCursor(Qt::ArrowCursor);
    else
        viewport()->unsetCursor();
}

bool FileListView::viewportEvent(QEvent* event)
{
    // The column keeps its distance from the list's right edge as the list widens or narrows
    // (the window grows, the vertical scroll bar comes and goes); dragged wider than the list,
    // the list scrolls sideways.
    if (event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        const int change = resize->size().width() - resize->oldSize().width();
        if (resize->oldSize().width() > 0 && change != 0 && horizontalHeader()->count() > 0)
            setColumnWidth(0, std::max(columnWidth(0) + change, kNarrowestColumn));
    }
    return QTableView::viewportEvent(event);
}

void FileListView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowHeight();
}

// Every row is one line of the list's font high, whatever font it is given.
void FileListView::fitRowHeight()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

QModelIndex FileListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // One column of rows: Home and End go to the first and the last row, as in any list.
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

void FileListView::keyPressEvent(QKeyEvent* event)
{
    emit keyDown(event->key());
    QTableView::keyPressEvent(event);
}

void FileListView::mousePressEvent(QMouseEvent* event)
{
    const bool onRow = rowAt(event->position().toPoint()) != 0;
    // The view selects the row first, so a row click sees the row it landed on as selected. A
    // press on the empty area keeps the selection (the view would clear it), so a double-click
    // there still names the row to remove.
    if (onRow)
        QTableView::mousePressEvent(event);
    else
        setFocus(Qt::MouseFocusReason);
    emit mouseDown();
    if (onRow)
        emit rowClicked();
}

void FileListView::mouseMoveEvent(QMouseEvent* event)
{
    // The view's own handling would move the selection under a held button; the drag handling
    // decides what follows the pointer instead.
    emit mouseMoved(event->position().toPoint(), event->globalPosition().toPoint());
}

void FileListView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    emit mouseUp();
}

void FileListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click is a press like any other, wherever it lands.
    mousePressEvent(event);
    emit doubleClickedAnywhere();
}

void FileListView::dragEnterEvent(QDragEnterEvent* event)
{
    // Data without a file list shows the refusing pointer.
    if (offersFileList(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (offersFileList(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FileListView::dropEvent(QDropEvent* event)
{
    const std::optional<QStringList> paths = droppedFilePaths(*event->mimeData());
    if (!paths) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit pathsDropped(*paths);
}

} // namespace brindlecast
