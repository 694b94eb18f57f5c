#pragma once

namespace brindlecast {

// The window's pointer setting, as handlers read and write it.
enum PointerKind : int {
    PointerDefault = 0,
    PointerArrow = 1,
    PointerBusy = 11,
    PointerCustom = 99,
};

// The hover rule: moving the mouse never replaces the busy pointer.
constexpr int pointerAfterHover(int current, int wanted)
{
    return current == PointerBusy ? PointerBusy : wanted;
}

// The window's pointer setting, as the handlers read and change it while they work.
class WindowPointer {
public:
    virtual ~WindowPointer() = default;

    virtual int mousePointer() const = 0;
    virtual void setMousePointer(int kind) = 0;

    bool isBusy() const { return mousePointer() == PointerBusy; }
};

} // namespace brindlecast
