// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/EventPacer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

namespace brindlecast {

EventPacer::EventPacer()
    : EventPacer(
          [timer = std::make_shared<QElapsedTimer>()] {
              if (!timer->isValid())
                  timer->start();
              return timer->elapsed();
          },
          [] { QCoreApplication::processEvents(); })
{
}

EventPacer::EventPacer(Clock clock, Pump pump) : m_clock(std::move(clock)), m_pump(std::move(pump))
{
}

void EventPacer::tick()
{
    const qint64 now = m_clock();
    if (m_pumped && now - m_lastPump < kIntervalMs)
        return;
    m_pump();
    m_pumped = true;
    // The pump may take long itself (a handler runs in it): the interval counts from its end.
    m_lastPump = m_clock();
}

} // namespace brindlecast
