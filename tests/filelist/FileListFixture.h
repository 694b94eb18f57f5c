// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filelist/FileListView.h"
#include "support/QtPrinters.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace brindlecast::test {

inline QStringList numberedPaths(int count)
{
    QStringList paths;
    for (int i = 1; i <= count; ++i)
        paths << QStringLiteral("/music/track %1.wav").arg(i);
    return paths;
}

// A real main window with scripted dialogs, driven through real key and mouse events.
class FileListFixture : public WindowFixture {
protected:
    void SetUp() override
    {
        list = openWindow(Shown::Yes).ListView1;
        view = list->viewport();
    }

    void addRows(const QStringList& paths)
    {
        for (const QString& path : paths)
            list->appendRow(path);
    }

    QStringList rows() const
    {
        QStringList texts;
        for (int row = 1; row <= list->rowCount(); ++row)
            texts << list->rowText(row);
        return texts;
    }

    QPoint rowCenter(int row) const
    {
        return list->visualRect(list->model()->index(row - 1, 0)).center();
    }

    QPoint belowLastRow() const { return rowCenter(list->rowCount()) + QPoint(0, 30); }

    void clickRow(int row) { QTest::mouseClick(view, Qt::LeftButton, {}, rowCenter(row)); }

    void doubleClick(const QPoint& at)
    {
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
        QTest::mouseDClick(view, Qt::LeftButton, {}, at);
        QTest::mouseRelease(view, Qt::LeftButton, {}, at);
    }

    // Presses at a point, moves over each row with the button held and the pointer at a screen
    // row between the scrolling edges (unless told otherwise), then releases.
    void drag(const QPoint& start, const QList<int>& over, Qt::MouseButton button = Qt::LeftButton,
              int screenY = 330)
    {
        QTest::mousePress(view, button, {}, start);
        for (int row : over)
            moveTo(rowCenter(row), button, screenY);
        QTest::mouseRelease(view, button, {}, over.isEmpty() ? start : rowCenter(over.back()));
    }

    void moveTo(const QPoint& at, Qt::MouseButtons held, int screenY = 330)
    {
        const QPoint global(view->mapToGlobal(at).x(), screenY);
        QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
    }

    FileListView* list = nullptr;
    QWidget* view = nullptr;
};

} // namespace brindlecast::test
