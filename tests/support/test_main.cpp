// SPDX-License-Identifier: GPL-3.0-or-later
// Shared entry point of every test executable: an offscreen application whose settings, cache,
// standard folders and session bus point away from the user's own, also for the programs it runs.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(QStringLiteral("cache"))));
    // No run of a test reaches the user's session bus (task bar, notices); the tests of those
    // start a bus of their own.
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            "unix:path=" + QFile::encodeName(home.filePath(QStringLiteral("no-session-bus"))));
    QStandardPaths::setTestModeEnabled(true);
    // English whatever the machine's locale, here and in the programs the tests run: Qt reads
    // LANGUAGE first for the languages a program shows. The translation tests set their own.
    qputenv("LANGUAGE", "en");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
