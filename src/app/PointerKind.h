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

} // namespace brindlecast
