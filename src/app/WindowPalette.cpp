// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPalette.h"

#include <QColor>
#include <utility>

namespace brindlecast {

QPalette whiteWindowPalette()
{
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const QColor buttonFace(0xf0, 0xf0, 0xf0);
    // Dimmed, yet still readable on white and on the button face (above 4.5:1 on both).
    const QColor dimmedText(0x5f, 0x5f, 0x5f);

    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, white},
        {QPalette::WindowText, black},
        {QPalette::Base, white},
        {QPalette::AlternateBase, QColor(0xf7, 0xf7, 0xf7)},
        {QPalette::Text, black},
        {QPalette::PlaceholderText, dimmedText},
        {QPalette::Button, buttonFace},
        {QPalette::ButtonText, black},
        {QPalette::BrightText, white},
        {QPalette::Light, white},
        {QPalette::Midlight, QColor(0xe3, 0xe3, 0xe3)},
        {QPalette::Mid, QColor(0xa0, 0xa0, 0xa0)},
        {QPalette::Dark, QColor(0xa0, 0xa0, 0xa0)},
        {QPalette::Shadow, QColor(0x69, 0x69, 0x69)},
        {QPalette::Highlight, QColor(0x00, 0x63, 0xb1)},
        {QPalette::HighlightedText, white},
        {QPalette::ToolTipBase, QColor(0xff, 0xff, 0xdc)},
        {QPalette::ToolTipText, black},
        {QPalette::Link, QColor(0x00, 0x00, 0xee)},
        {QPalette::LinkVisited, QColor(0x55, 0x1a, 0x8b)},
    };
    for (const auto& [role, colour] : roles)
        palette.setColor(role, colour);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, dimmedText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, buttonFace);
    return palette;
}

} // namespace brindlecast
