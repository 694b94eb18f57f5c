#pragma once

#include "app/Form1.h"
#include "filelist/FileListView.h"
#include "support/SettingsSandbox.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable paths in failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace brindlecast::test {

// A real main window with scripted dialogs, driven through real key and mouse events.
class FileListFixture : public ::testing::Test {
  protected:
    // Between the screen rows where a drag scrolls the list.
    static constexpr int kQuietScreenY = 330;

    void SetUp() override
    {
        form = std::make_unique<Form1>(platform);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        list = form->ListView1;
    }

    QWidget* viewport() const { return list->viewport(); }

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
        return list->visualItemRect(list->topLevelItem(row - 1)).center();
    }

    QPoint belowLastRow() const
    {
        const QRect last = list->visualItemRect(list->topLevelItem(list->rowCount() - 1));
        return {last.center().x(), last.bottom() + 10};
    }

    void press(const QPoint& at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(viewport(), button, {}, at);
    }

    void release(const QPoint& at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(viewport(), button, {}, at);
    }

    void clickRow(int row)
    {
        press(rowCenter(row));
        release(rowCenter(row));
    }

    void doubleClick(const QPoint& at)
    {
        press(at);
        release(at);
        QTest::mouseDClick(viewport(), Qt::LeftButton, {}, at);
        release(at);
    }

    // A move whose pointer is at a chosen screen row, with the given buttons reported as held.
    void moveTo(const QPoint& at, int screenY = kQuietScreenY,
                Qt::MouseButtons held = Qt::LeftButton)
    {
        const QPoint global(viewport()->mapToGlobal(at).x(), screenY);
        QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &move);
    }

    SettingsSandbox sandbox;
    TestPlatform platform;
    std::unique_ptr<Form1> form;
    FileListView* list = nullptr;
};

} // namespace brindlecast::test
