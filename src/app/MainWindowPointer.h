// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PointerKind.h"

#include <QCursor>
#include <QList>
#include <QPointer>
#include <functional>
#include <optional>
#include <utility>

class QWidget;

namespace brindlecast {

// The main window's one pointer setting and how it shows: the hourglass over the window and
// every control while busy, the hand over the push buttons, the normal pointer elsewhere.
// Moving the mouse never replaces the busy pointer; the handler that set it also ends it.
class MainWindowPointer : public WindowPointer {
public:
    using ChangeSink = std::function<void(PointerKind)>;

    // onChange hears every change of the setting, after it shows.
    MainWindowPointer(QWidget& window, ChangeSink onChange);

    PointerKind mousePointer() const override { return m_kind; }
    void setMousePointer(PointerKind kind) override;

    // The mouse moved over a push button, or over the background (the window, a frame, the
    // folder box).
    void movedOverButton();
    void movedOverBackground();

    // The hand image of the hover pointer; without one the hover setting shows the normal
    // pointer.
    void setHoverImage(const QCursor& image);

private:
    void show();
    void coverOwnPointers(bool busy);

    QWidget& m_window;
    ChangeSink m_onChange;
    PointerKind m_kind = PointerDefault;
    std::optional<QCursor> m_hoverImage;
    // Controls with a pointer of their own (the text box's I-beam), and that pointer, while the
    // hourglass covers them.
    QList<std::pair<QPointer<QWidget>, QCursor>> m_coveredPointers;
};

} // namespace brindlecast
