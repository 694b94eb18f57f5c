// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace brindlecast {

class Platform;
class TextConsole;

// Exit statuses of `--convert`.
inline constexpr int kExitAllDone = 0;
inline constexpr int kExitSomeFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoEncoder = 3;

struct BatchEnvironment {
    Platform& platform;
    TextConsole& console;
    int usableProcessors = 1;
    QString currentFolder;
    // The arguments (by index) whose bytes are not valid UTF-8.
    QSet<qsizetype> undecodableArguments;
};

// `brindlecast-studio --convert [OPTIONS] PATH...`, given the arguments after --convert: converts
// the files and returns the exit status. SIGHUP, SIGINT and SIGTERM end the run (its encoders,
// their partial outputs and the deployed encoder go, the summary is printed) with 128 + the signal.
// Needs a QCoreApplication and creates no window.
int runBatchCommand(const QStringList& arguments, BatchEnvironment& environment);

} // namespace brindlecast
