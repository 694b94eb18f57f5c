// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedChild.h"

#include "support/PassedFiles.h"

#include <QFile>
#include <algorithm>

namespace brindlecast::test {

std::unique_ptr<ChildProcess> ScriptedChildren::create(EndTelling telling)
{
    return std::make_unique<ScriptedChild>(*this, telling);
}

void ScriptedChildren::tick()
{
    ++m_ticks;
    // A child's end may destroy children; those left are told from a copy.
    for (ScriptedChild* child : QList<ScriptedChild*>(m_telling)) {
        if (m_telling.contains(child))
            child->tick();
    }
}

ScriptedChild::ScriptedChild(ScriptedChildren& children, ScriptedChildren::EndTelling telling)
    : m_children(children), m_telling(telling)
{
}

ScriptedChild::~ScriptedChild()
{
    m_children.m_telling.removeAll(this);
}

int ScriptedChild::start(const ProcessCommand& command)
{
    // Scripts and records see the files' own names, as a real encoder's files have them.
    m_command = withPassedFilesNamed(command);
    m_script = m_children.scriptFor ? m_children.scriptFor(m_command) : ChildScript{};
    m_children.started.append(m_command);
    if (m_script.startFailure == 0) {
        // The encoder's error output names its output as it was told it.
        QString told = command.arguments.value(command.arguments.size() - 1);
        if (told.startsWith(QStringLiteral("file:")))
            told = told.mid(5);
        m_script.errorOutput.replace(QStringLiteral("OUT"), told);
        if (m_script.writes) {
            QFile file(writtenFileOf(command));
            if (file.open(QIODevice::WriteOnly))
                file.write(*m_script.writes);
        }
        m_startTick = m_children.m_ticks;
        m_running = true;
        m_children.mostRunning = std::max(m_children.mostRunning, ++m_children.running);
    }
    if (m_children.onStart)
        m_children.onStart(m_command);
    return m_script.startFailure;
}

bool ScriptedChild::waitForEnd(int)
{
    if (m_telling == ScriptedChildren::EndTelling::Told)
        m_children.askedWhileRunning += m_running ? 1 : 0;
    else if (m_running && m_waits++ >= m_script.waits)
        end();
    if (m_children.onWait)
        m_children.onWait(m_command, !m_running);
    return !m_running;
}

bool ScriptedChild::notifyOnEnd(std::function<void()> onEnd)
{
    if (m_telling == ScriptedChildren::EndTelling::Asked)
        return false;
    m_onEnd = std::move(onEnd);
    m_children.m_telling.append(this);
    return true;
}

void ScriptedChild::tick()
{
    if (!m_running || m_children.m_ticks - m_startTick < m_script.waits)
        return;
    end();
    if (m_onEnd)
        m_onEnd();
}

void ScriptedChild::endNow()
{
    if (!m_running)
        return;
    m_killed = true;
    m_running = false;
    --m_children.running;
    m_children.endedNow.append(m_command);
    if (m_children.onEndNow)
        m_children.onEndNow(m_command);
}

void ScriptedChild::end()
{
    m_running = false;
    --m_children.running;
    m_children.ended.append(m_command);
}

} // namespace brindlecast::test
