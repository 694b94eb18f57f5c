// SPDX-License-Identifier: GPL-3.0-or-later
// The window opens at its design size with every control where it was placed, and can grow: the
// list takes the extra room, what lies below it widens and moves down, and nothing changes order.
#include "app/Form1.h"
#include "app/TextProgressBar.h"
#include "filelist/FileListView.h"
#include "support/QtPrinters.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <cstdlib>
#include <gtest/gtest.h>

// Readable failures; found by argument-dependent lookup, as QRect and QSize live at global scope.
static void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << 'x' << size.height();
}

static void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << '(' << rect.x() << ", " << rect.y() << ", " << rect.width() << 'x' << rect.height()
         << ')';
}

namespace brindlecast {
namespace {

struct Growth {
    int dx = 0, dy = 0, dw = 0, dh = 0;
};

struct Placement {
    const char* name;
    QRect opening; // within the control's parent, in pixels
    Growth grown;  // when the window grows by 200 across and 150 down
};

// The design rectangles in pixels, as the twips of the design round to them.
const Placement kPlacements[] = {
    {"ListView1", {8, 8, 520, 169}, {0, 0, 200, 150}},
    {"PushButton1", {8, 183, 256, 27}, {0, 150, 100, 0}},
    {"PushButton3", {272, 183, 256, 27}, {100, 150, 100, 0}},
    {"PushButton4", {8, 217, 256, 27}, {0, 150, 100, 0}},
    {"PushButton5", {272, 217, 256, 27}, {100, 150, 100, 0}},
    {"Frame2", {8, 248, 520, 79}, {0, 150, 200, 0}},
    {"Option1", {16, 20, 313, 17}, {}},
    {"Option2", {16, 47, 231, 17}, {}},
    {"Combo1", {248, 44, 256, 23}, {}},
    {"Frame3", {8, 331, 520, 121}, {0, 150, 200, 0}},
    {"Option3", {16, 20, 241, 17}, {}},
    {"Check1", {272, 20, 232, 17}, {}},
    {"Frame4", {32, 34, 456, 54}, {0, 0, 200, 0}},
    {"Text1", {16, 20, 378, 23}, {0, 0, 200, 0}},
    {"PushButton7", {400, 20, 40, 23}, {200, 0, 0, 0}},
    {"Option4", {16, 94, 241, 17}, {}},
    {"PushButton2", {8, 460, 520, 27}, {0, 150, 200, 0}},
    {"ProgressBar1", {8, 494, 520, 27}, {0, 150, 200, 0}},
};

const QSize kOpeningSize(536, 528);

QRect grownBy(const QRect& rect, const Growth& growth)
{
    return {rect.x() + growth.dx, rect.y() + growth.dy, rect.width() + growth.dw,
            rect.height() + growth.dh};
}

class WindowSize : public test::WindowFixture {
protected:
    QWidget* control(const char* name) const
    {
        const Form1& form = *m_form;
        const std::pair<const char*, QWidget*> controls[] = {
            {"ListView1", form.ListView1},     {"PushButton1", form.PushButton1},
            {"PushButton3", form.PushButton3}, {"PushButton4", form.PushButton4},
            {"PushButton5", form.PushButton5}, {"Frame2", form.Frame2},
            {"Option1", form.Option1},         {"Option2", form.Option2},
            {"Combo1", form.Combo1},           {"Frame3", form.Frame3},
            {"Option3", form.Option3},         {"Check1", form.Check1},
            {"Frame4", form.Frame4},           {"Text1", form.Text1},
            {"PushButton7", form.PushButton7}, {"Option4", form.Option4},
            {"PushButton2", form.PushButton2}, {"ProgressBar1", form.ProgressBar1},
        };
        for (const auto& [controlName, widget] : controls) {
            if (qstrcmp(controlName, name) == 0)
                return widget;
        }
        ADD_FAILURE() << "no control " << name;
        return m_form.get();
    }

    void resizeTo(QSize size)
    {
        m_form->resize(size);
        QCoreApplication::processEvents();
    }

    void expectOpeningGeometry(const char* when) const
    {
        EXPECT_EQ(m_form->size(), kOpeningSize) << when;
        for (const Placement& placed : kPlacements)
            EXPECT_EQ(control(placed.name)->geometry(), placed.opening) << placed.name << when;
    }

    // The distance from each control's bottom to the top of the next one below it.
    QList<int> gapsDown(std::initializer_list<const char*> column) const
    {
        QList<int> gaps;
        const QWidget* above = nullptr;
        for (const char* name : column) {
            const QWidget* below = control(name);
            if (above) {
                EXPECT_EQ(above->parentWidget(), below->parentWidget()) << name;
                gaps << below->y() - (above->y() + above->height());
            }
            above = below;
        }
        return gaps;
    }

    QList<int> allGaps() const
    {
        return gapsDown({"ListView1", "PushButton1", "PushButton4", "Frame2", "Frame3",
                         "PushButton2", "ProgressBar1"}) +
               gapsDown({"ListView1", "PushButton3", "PushButton5", "Frame2"}) +
               gapsDown({"Option1", "Option2"}) + gapsDown({"Option3", "Frame4", "Option4"}) +
               QList<int>{control("PushButton3")->x() - control("PushButton1")->geometry().right(),
                          control("PushButton5")->x() - control("PushButton4")->geometry().right(),
                          control("PushButton7")->x() - control("Text1")->geometry().right(),
                          m_form->width() - control("ListView1")->geometry().right(),
                          m_form->height() - control("ProgressBar1")->geometry().bottom()};
    }
};

TEST_F(WindowSize, OpensAtTheDesignSizeWithEveryControlWhereItWasPlaced)
{
    Form1& form = openWindow(Shown::Yes);

    expectOpeningGeometry("");
    EXPECT_EQ(form.minimumSize(), kOpeningSize);
    EXPECT_EQ(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    // The screen is larger than the design size: the window opens wholly on it, in its middle
    // but for the frame the window system adds around it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect available = screen->availableGeometry();
    ASSERT_TRUE(available.width() >= 536 && available.height() >= 528) << available.width();
    const QRect frame = form.frameGeometry();
    EXPECT_TRUE(available.contains(frame)) << frame.x() << ',' << frame.y();
    const int frameWidth = frame.width() - form.width();
    const int frameHeight = frame.height() - form.height();
    EXPECT_LE(std::abs((frame.left() - available.left()) - (available.right() - frame.right())),
              frameWidth);
    EXPECT_LE(std::abs((frame.top() - available.top()) - (available.bottom() - frame.bottom())),
              frameHeight);
}

TEST_F(WindowSize, GrowingGivesTheListTheRoomAndMovesTheRestDown)
{
    openWindow(Shown::Yes);
    const QList<int> openingGaps = allGaps();

    resizeTo(kOpeningSize + QSize(200, 150));
    ASSERT_EQ(m_form->size(), QSize(736, 678));
    for (const Placement& placed : kPlacements) {
        EXPECT_EQ(control(placed.name)->geometry(), grownBy(placed.opening, placed.grown))
            << placed.name;
    }
    EXPECT_EQ(allGaps(), openingGaps);

    // An odd growth leaves no pixel between the two buttons of a row, nor past the right edge.
    resizeTo(kOpeningSize + QSize(201, 1));
    EXPECT_EQ(control("PushButton1")->width() + control("PushButton3")->width(), 256 + 256 + 201);
    EXPECT_EQ(allGaps(), openingGaps);

    resizeTo(kOpeningSize);
    expectOpeningGeometry(" back at the opening size");
    EXPECT_EQ(allGaps(), openingGaps);
}

TEST_F(WindowSize, CannotBeMadeSmallerThanItOpened)
{
    openWindow(Shown::Yes);
    for (const QSize smaller : {QSize(300, 200), QSize(535, 528), QSize(536, 527), QSize(1, 1)}) {
        resizeTo(smaller);
        EXPECT_EQ(m_form->size(), kOpeningSize) << smaller.width() << 'x' << smaller.height();
    }
    // Growing one way only is no shrinking the other way.
    resizeTo(QSize(600, 400));
    EXPECT_EQ(m_form->size(), QSize(600, 528));
    resizeTo(kOpeningSize);
    expectOpeningGeometry(" after trying to shrink it");
}

} // namespace
} // namespace brindlecast
