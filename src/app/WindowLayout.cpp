// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowLayout.h"

#include <QWidget>

namespace brindlecast {

void WindowLayout::place(QWidget* control, const QRect& opening, Across across, Down down)
{
    m_placed.append({control, opening, across, down});
    control->setGeometry(opening);
}

void WindowLayout::fit(QSize growth) const
{
    for (const Placed& placed : m_placed)
        placed.control->setGeometry(grown(placed, growth));
}

QRect WindowLayout::grown(const Placed& placed, QSize growth)
{
    QRect rect = placed.opening;
    const int firstHalf = growth.width() / 2;
    switch (placed.across) {
    case Across::Stays:
        break;
    case Across::Widens:
        rect.setWidth(rect.width() + growth.width());
        break;
    case Across::LeftHalf:
        rect.setWidth(rect.width() + firstHalf);
        break;
    case Across::RightHalf:
        rect.translate(firstHalf, 0);
        rect.setWidth(rect.width() + growth.width() - firstHalf);
        break;
    case Across::FollowsRight:
        rect.translate(growth.width(), 0);
        break;
    }
    switch (placed.down) {
    case Down::Stays:
        break;
    case Down::Grows:
        rect.setHeight(rect.height() + growth.height());
        break;
    case Down::FollowsBottom:
        rect.translate(0, growth.height());
        break;
    }
    return rect;
}

} // namespace brindlecast
