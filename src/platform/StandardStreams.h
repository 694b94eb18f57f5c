// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// Where a command-line run writes: its standard output and error output, each line written whole
// at once so that lines of several processes sharing a terminal or log do not interleave.
class TextConsole {
public:
    virtual ~TextConsole() = default;

    // One line; the line break is added.
    virtual void printLine(const QString& line) = 0;
    virtual void printErrorLine(const QString& line) = 0;

    // Replaces the live status line at the foot of the terminal ("" clears it). Only called when
    // errorIsTerminal() is true.
    virtual void showStatus(const QString& text) = 0;

    // True when the error output is a terminal that a person watches.
    virtual bool errorIsTerminal() const = 0;

    // The errno of the first line that could not be written to the standard output, or 0.
    virtual int outputWriteError() const = 0;
};

// Opens /dev/null on any of descriptors 0, 1 and 2 that is closed, so that no descriptor the
// program opens later (a pipe, an input) is taken for a standard stream and written to or read
// from by mistake. The first thing a program started by anyone should do.
void openClosedStandardStreams();

// The process's own stdout and stderr. A status line on stderr is cleared before a line goes to
// either stream and drawn again after it.
class StandardStreams final : public TextConsole {
public:
    StandardStreams();

    void printLine(const QString& line) override;
    void printErrorLine(const QString& line) override;
    void showStatus(const QString& text) override;
    bool errorIsTerminal() const override { return m_errorIsTerminal; }
    int outputWriteError() const override { return m_outputWriteError; }

private:
    void print(int fd, const QString& line);

    bool m_errorIsTerminal = false;
    int m_outputWriteError = 0;
    QString m_status;
};

} // namespace brindlecast
