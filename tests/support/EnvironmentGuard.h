// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <optional>

namespace brindlecast::test {

// Sets (or unsets) an environment variable and puts the old value back when it goes.
class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name) : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_saved = qgetenv(name);
    }
    EnvironmentGuard(const char* name, const QByteArray& value) : EnvironmentGuard(name)
    {
        set(value);
    }
    ~EnvironmentGuard() { m_saved ? qputenv(m_name, *m_saved) : qunsetenv(m_name); }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

    void set(const QByteArray& value) { qputenv(m_name, value); }
    void unset() { qunsetenv(m_name); }

private:
    const char* m_name;
    std::optional<QByteArray> m_saved;
};

} // namespace brindlecast::test
