// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's pointer on its own: what each setting shows over a window with controls,
// and that moving the mouse never ends the hourglass.
#include "app/MainWindowPointer.h"

#include "support/QtPrinters.h"

#include <QLineEdit>
#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <initializer_list>

namespace brindlecast {
namespace {

class MainWindowPointerTest : public ::testing::Test {
protected:
    MainWindowPointerTest()
        : m_box(new QLineEdit(&m_window)), m_button(new QPushButton(&m_window)),
          m_pointer(m_window, [this](PointerKind kind) { m_changes << kind; })
    {
    }

    static QCursor hand()
    {
        QPixmap image(16, 16);
        image.fill(Qt::black);
        return QCursor(image, 5, 0);
    }

    QWidget m_window;
    QLineEdit* m_box;
    QPushButton* m_button;
    QList<PointerKind> m_changes;
    MainWindowPointer m_pointer;
};

TEST_F(MainWindowPointerTest, HoverShowsTheHandOverButtonsAndTheNormalPointerElsewhere)
{
    m_pointer.movedOverButton();
    EXPECT_EQ(m_pointer.mousePointer(), PointerHover);
    EXPECT_EQ(m_window.cursor().shape(), Qt::ArrowCursor); // no hand image yet
    m_pointer.setHoverImage(hand());
    EXPECT_EQ(m_window.cursor().shape(), Qt::BitmapCursor);
    m_pointer.movedOverButton();
    m_pointer.movedOverBackground();
    EXPECT_EQ(m_pointer.mousePointer(), PointerDefault);
    EXPECT_EQ(m_window.cursor().shape(), Qt::ArrowCursor);
    // Only real changes are heard.
    EXPECT_EQ(m_changes, (QList<PointerKind>{PointerHover, PointerDefault}));
}

TEST_F(MainWindowPointerTest, TheHourglassCoversEveryControlUntilItsHandlerEndsIt)
{
    m_pointer.setHoverImage(hand());
    m_pointer.setMousePointer(PointerBusy);
    m_pointer.movedOverButton();
    m_pointer.movedOverBackground();
    EXPECT_EQ(m_pointer.mousePointer(), PointerBusy);
    EXPECT_TRUE(m_pointer.isBusy());
    for (const QWidget* widget : std::initializer_list<const QWidget*>{&m_window, m_box, m_button})
        EXPECT_EQ(widget->cursor().shape(), Qt::WaitCursor);

    m_pointer.setMousePointer(PointerDefault);
    EXPECT_EQ(m_box->cursor().shape(), Qt::IBeamCursor); // its own pointer back
    EXPECT_EQ(m_button->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(m_window.cursor().shape(), Qt::ArrowCursor);
    m_pointer.movedOverButton();
    EXPECT_EQ(m_window.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(m_changes, (QList<PointerKind>{PointerBusy, PointerDefault, PointerHover}));
}

} // namespace
} // namespace brindlecast
