// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindowPointer.h"

#include <QWidget>

namespace brindlecast {

MainWindowPointer::MainWindowPointer(QWidget& window, ChangeSink onChange)
    : m_window(window), m_onChange(std::move(onChange))
{
}

void MainWindowPointer::setMousePointer(PointerKind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    show();
    if (m_onChange)
        m_onChange(kind);
}

void MainWindowPointer::movedOverButton()
{
    setMousePointer(pointerAfterHover(m_kind, PointerHover));
}

void MainWindowPointer::movedOverBackground()
{
    setMousePointer(pointerAfterHover(m_kind, PointerDefault));
}

void MainWindowPointer::setHoverImage(const QCursor& image)
{
    m_hoverImage = image;
    show();
}

void MainWindowPointer::show()
{
    coverOwnPointers(m_kind == PointerBusy);
    if (m_kind == PointerBusy)
        m_window.setCursor(Qt::WaitCursor);
    else if (m_kind == PointerHover && m_hoverImage)
        m_window.setCursor(*m_hoverImage);
    else
        m_window.unsetCursor();
}

void MainWindowPointer::coverOwnPointers(bool busy)
{
    // A control with a pointer of its own does not show the window's, so while busy the
    // hourglass replaces it there too, and the control gets its own back afterwards.
    if (!busy) {
        for (const auto& [control, pointer] : std::as_const(m_coveredPointers)) {
            if (control)
                control->setCursor(pointer);
        }
        m_coveredPointers.clear();
        return;
    }
    for (QWidget* control : m_window.findChildren<QWidget*>()) {
        if (control->isWindow() || !control->testAttribute(Qt::WA_SetCursor) ||
            control->cursor().shape() == Qt::WaitCursor)
            continue;
        m_coveredPointers.append({control, control->cursor()});
        control->setCursor(Qt::WaitCursor);
    }
}

} // namespace brindlecast
