// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtChildProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

// The window must repaint, take drops and answer assistive tools while an encoder runs, so its
// events are handled during each wait, not only between waits.
TEST(QtChildProcess, HandlesEventsWhileItWaits)
{
    QTemporaryDir dir;
    const QString stop = dir.filePath(QStringLiteral("stop"));
    QtChildProcess child;
    // Runs until the stop file exists; only the queued event below makes it.
    ASSERT_EQ(child.start({QStringLiteral("/bin/sh"),
                           {QStringLiteral("-c"),
                            QStringLiteral("while [ ! -e \"$1\" ]; do sleep 0.01; done"),
                            QStringLiteral("sh"), stop}}),
              0);
    bool waiting = false;
    bool handledWhileWaiting = false;
    QTimer::singleShot(0, [&] {
        handledWhileWaiting = waiting;
        QFile(stop).open(QIODevice::WriteOnly);
    });

    bool ended = false;
    while (!ended) {
        waiting = true;
        ended = child.waitForEnd(100);
        waiting = false;
        QCoreApplication::processEvents();
    }

    EXPECT_TRUE(handledWhileWaiting);
    EXPECT_EQ(child.exitCode(), 0);
}

} // namespace
} // namespace brindlecast::test
