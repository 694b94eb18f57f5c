// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

namespace brindlecast {

// How a control follows its window as the window grows beyond the size it opened at. At that
// size every control stands exactly where it was placed.
class WindowLayout {
public:
    enum class Across {
        Stays,
        Widens,       // takes all the extra width
        LeftHalf,     // of two side by side, takes the first half of it
        RightHalf,    // moves by that first half and takes the rest
        FollowsRight, // keeps its distance from the right edge
    };
    enum class Down {
        Stays,
        Grows,         // takes all the extra height
        FollowsBottom, // keeps its distance from the bottom edge
    };

    // Places a control at its opening geometry, within its parent, and remembers how it follows.
    void place(QWidget* control, const QRect& opening, Across across, Down down = Down::Stays);

    // Lays every control out for a window that has grown by this much (less than nothing on a
    // screen too small for the opening size).
    void fit(QSize growth) const;

private:
    struct Placed {
        QWidget* control;
        QRect opening;
        Across across;
        Down down;
    };
    static QRect grown(const Placed& placed, QSize growth);

    QList<Placed> m_placed;
};

} // namespace brindlecast
