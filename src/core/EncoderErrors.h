// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// Reading an encoder's error output for the one line a user needs. The lines are taken as a
// person reads them: progress updates written over each other with CRs count as lines, the
// "[aac @ 0x55…] " prefixes of the encoder's parts are dropped, and the "file:" arguments read
// as plain paths.

// The line that carries the error: the last one naming a cause ("No space left on device",
// "Permission denied", "Invalid data found when processing input", ...); else the last one that
// reads as an error; else the last one that is not a statistic. A leading "<input>: " goes, as
// the report names the input already. "" when there is nothing to say.
QString encoderErrorLine(const QString& errorOutput, const QString& inputArgument = QString(),
                         const QString& outputArgument = QString());

// As encoderErrorLine(), but only a line that names a cause or reads as an error; "" when there is
// none.
QString encoderCauseLine(const QString& errorOutput, const QString& inputArgument = QString(),
                         const QString& outputArgument = QString());

// The encoder may report that its output could not be written and still exit with 0: the last
// line that names the output and carries an error, or "" when there is none.
QString outputWriteErrorLine(const QString& errorOutput, const QString& outputArgument);

} // namespace brindlecast
