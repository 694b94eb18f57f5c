// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProcessCommand.h"

#include <QByteArray>
#include <functional>

namespace brindlecast {

// One child process. The real one starts the program directly (no shell, no console) with its
// input channel closed at once, so a child that asks a question gets end-of-file instead of
// waiting forever. Tests substitute fakes that fail to start or end with chosen exit codes.
class ChildProcess {
public:
    virtual ~ChildProcess() = default;

    // Starts the child. Returns 0, or the number of the start failure: 53 program not found,
    // 70 permission denied, 5 any other reason.
    virtual int start(const ProcessCommand& command) = 0;

    // Waits at most timeoutMs, handling the window's events meanwhile; true once the child has
    // ended (at once when it already has).
    virtual bool waitForEnd(int timeoutMs) = 0;

    // Asks to have onEnd called (while events are handled) once the child has ended, so that a
    // caller running several children need not ask each in turn. False when this child cannot
    // tell: it is then asked with waitForEnd.
    virtual bool notifyOnEnd(std::function<void()> onEnd)
    {
        (void)onEnd;
        return false;
    }

    // Ends a running child at once and waits until it has gone; nothing when it has ended.
    virtual void endNow() = 0;

    // The exit code once the child has ended; a child ended by a signal gives 128 + signal.
    virtual int exitCode() const = 0;

    // The last lines the child wrote to its error output, or why it could not be started.
    virtual QString errorOutputTail() const = 0;

    // What the child wrote to its standard output (its last 256 KiB at most).
    virtual QByteArray standardOutput() const = 0;
};

} // namespace brindlecast
