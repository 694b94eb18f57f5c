// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

namespace brindlecast::bench {

// What every benchmark starts with: the offscreen platform, a settings store and a cache folder
// in a temporary folder (never the user's), the application object, and the number of rounds
// ("--rounds N", 3 unless told).
class BenchSession {
public:
    BenchSession(int& argc, char** argv)
        : m_offscreen((qputenv("QT_QPA_PLATFORM", "offscreen"), true)),
          m_settingsPath(settingsIn(m_settings)), m_application(argc, argv)
    {
    }

    QStringList arguments() const { return QApplication::arguments(); }

    int rounds() const
    {
        const QStringList args = arguments();
        const qsizetype at = args.indexOf(QStringLiteral("--rounds"));
        return std::max(1, at > 0 && at + 1 < args.size() ? args[at + 1].toInt() : 3);
    }

private:
    // The settings store and the cache folder, both in the temporary folder: never the user's.
    static bool settingsIn(const QTemporaryDir& folder)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(folder.filePath(QStringLiteral("cache"))));
        return true;
    }

    bool m_offscreen;
    QTemporaryDir m_settings;
    bool m_settingsPath;
    QApplication m_application;
};

} // namespace brindlecast::bench
