// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brindlecast {

// The pointer settings of the window and of the list, by the numbers they have always had.
enum PointerKind : int {
    PointerDefault = 0,
    PointerArrow = 1, // the list's arrow after a row drag
    PointerBusy = 11, // the hourglass: a long operation runs
    PointerCustom = 99,
    // The window's custom pointer is the hand shown over the push buttons.
    PointerHover = PointerCustom,
};

// The hover rule: moving the mouse never replaces the busy pointer.
constexpr PointerKind pointerAfterHover(PointerKind current, PointerKind wanted)
{
    return current == PointerBusy ? PointerBusy : wanted;
}

// The window's pointer setting, as the handlers read and change it while they work.
class WindowPointer {
public:
    virtual ~WindowPointer() = default;

    virtual PointerKind mousePointer() const = 0;
    virtual void setMousePointer(PointerKind kind) = 0;

    bool isBusy() const { return mousePointer() == PointerBusy; }
};

} // namespace brindlecast
