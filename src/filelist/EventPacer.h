// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <functional>

namespace brindlecast {

// Lets the window process pending events while one long operation works. Every unit of work (a
// folder entry read, a name sorted in, a row appended) ticks the pacer, which pumps when the
// interval has passed since its last pump, so the window answers in every phase. The first tick
// always pumps. Pumping at every tick would cost more time than the work itself.
class EventPacer {
public:
    using Clock = std::function<qint64()>; // milliseconds, from any start
    using Pump = std::function<void()>;

    static constexpr qint64 kIntervalMs = 10;

    // The real clock and the application's event loop.
    EventPacer();
    EventPacer(Clock clock, Pump pump);

    void tick();
    void operator()() { tick(); }
    // A tick usable where a plain callback is wanted.
    std::function<void()> ticker()
    {
        return [this] { tick(); };
    }

private:
    Clock m_clock;
    Pump m_pump;
    qint64 m_lastPump = 0;
    bool m_pumped = false;
};

} // namespace brindlecast
