// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ChildProcess.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace brindlecast::test {

// What one scripted child does once started.
struct ChildScript {
    int startFailure = 0; // the start failure's number (53 not found), or 0 to start
    int exitCode = 0;
    QString errorOutput;              // "OUT" stands for the file the child is told to write
    std::optional<QByteArray> writes; // written to that file at the start, when given
    // How long it runs: a child that is asked answers "still running" to this many waitForEnd
    // calls; one that tells of its end does so once the clock has ticked this many times.
    int waits = 0;
    QByteArray standardOutput = {};
};

class ScriptedChild;

// Makes children that do what their script says without running anything, and records what
// was done with them. The script is chosen when a child starts, by its command; the file it
// writes is the last argument, after "file:" as the encoder command gives it.
class ScriptedChildren {
public:
    // Whether a child tells of its end through notifyOnEnd or must be asked.
    enum class EndTelling { Asked, Told };

    std::function<ChildScript(const ProcessCommand& command)> scriptFor;

    // Observers: a start (after the script is chosen, failed or not), each waitForEnd (with its
    // answer), and an endNow of a running child.
    std::function<void(const ProcessCommand& command)> onStart;
    std::function<void(const ProcessCommand& command, bool ended)> onWait;
    std::function<void(const ProcessCommand& command)> onEndNow;

    std::unique_ptr<ChildProcess> create(EndTelling telling = EndTelling::Asked);

    // The clock moves on one tick: children that tell of their end do so when their time has
    // come.
    void tick();
    int ticks() const { return m_ticks; }

    QList<ProcessCommand> started;  // every start, in order, failed ones included
    QList<ProcessCommand> endedNow; // the children ended by endNow while they ran
    QList<ProcessCommand> ended;    // the children that ended by themselves, in the order they did
    int running = 0;
    int mostRunning = 0;
    // Children that tell of their end and were asked with waitForEnd before they had.
    int askedWhileRunning = 0;

private:
    friend class ScriptedChild;

    QList<ScriptedChild*> m_telling;
    int m_ticks = 0;
};

class ScriptedChild final : public ChildProcess {
public:
    ScriptedChild(ScriptedChildren& children, ScriptedChildren::EndTelling telling);
    ~ScriptedChild() override;

    int start(const ProcessCommand& command) override;
    bool waitForEnd(int timeoutMs) override;
    bool notifyOnEnd(std::function<void()> onEnd) override;
    void endNow() override;
    int exitCode() const override { return m_killed ? 128 + 9 : m_script.exitCode; }
    QString errorOutputTail() const override { return m_script.errorOutput; }
    QByteArray standardOutput() const override { return m_script.standardOutput; }

private:
    friend class ScriptedChildren;

    // The clock ticked: a child that tells of its end does so now if its time has come.
    void tick();
    void end();

    ScriptedChildren& m_children;
    ScriptedChildren::EndTelling m_telling;
    ProcessCommand m_command;
    ChildScript m_script;
    std::function<void()> m_onEnd;
    int m_waits = 0;
    int m_startTick = 0;
    bool m_running = false;
    bool m_killed = false;
};

} // namespace brindlecast::test
