// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/StandardStreams.h"

#include <QStringList>

namespace brindlecast::test {

// Keeps what a command-line run prints, stream by stream.
class RecordingConsole final : public TextConsole {
public:
    QStringList out;
    QStringList err;
    QStringList statuses;
    bool terminal = false;

    void printLine(const QString& line) override { out << line; }
    void printErrorLine(const QString& line) override { err << line; }
    void showStatus(const QString& text) override { statuses << text; }
    bool errorIsTerminal() const override { return terminal; }
    int outputWriteError() const override { return 0; }
};

} // namespace brindlecast::test
