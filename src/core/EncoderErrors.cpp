// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/EncoderErrors.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>

namespace brindlecast {

namespace {

// The system's and the encoder's own texts for why a file could not be read or written.
constexpr std::array kCauses{
    "No space left on device",
    "Disk quota exceeded",
    "File too large",
    "Input/output error",
    "Read-only file system",
    "Permission denied",
    "Operation not permitted",
    "No such file or directory",
    "Is a directory",
    "Not a directory",
    "Invalid data found when processing input",
    "Too many open files",
    "Cannot allocate memory",
};

// Words of a line that reports a failure without one of the causes above.
constexpr std::array kErrorWords{
    "error",  "invalid",   "unknown", "unsupported", "not supported", "failed",
    "cannot", "could not", "unable",  "denied",      "not found",
};

// Lines of the closing statistics and of progress, which never explain a failure.
constexpr std::array kStatistics{
    "size=", "video:", "Qavg:", "Last message repeated", "Conversion failed!",
};

bool containsAny(const QString& line, const auto& texts)
{
    for (const char* text : texts) {
        if (line.contains(QLatin1String(text), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool startsWithAny(const QString& line, const auto& texts)
{
    for (const char* text : texts) {
        if (line.startsWith(QLatin1String(text)))
            return true;
    }
    return false;
}

bool namesCause(const QString& line)
{
    return containsAny(line, kCauses);
}

bool readsAsError(const QString& line)
{
    return !startsWithAny(line, kStatistics) &&
           (namesCause(line) || containsAny(line, kErrorWords));
}

QString plainPath(const QString& fileArgument)
{
    static const QLatin1String protocol("file:");
    return fileArgument.startsWith(protocol) ? fileArgument.mid(protocol.size()) : fileArgument;
}

QStringList messageLines(const QString& errorOutput, const QStringList& fileArguments)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]+"));
    static const QRegularExpression partPrefix(
        QStringLiteral("^(\\[[^\\[\\]]* @ 0x[0-9a-fA-F]+\\]\\s*)+"));
    QStringList lines;
    for (QString line : errorOutput.split(lineBreak, Qt::SkipEmptyParts)) {
        line.remove(partPrefix);
        for (const QString& argument : fileArguments) {
            if (!argument.isEmpty())
                line.replace(argument, plainPath(argument));
        }
        line = line.trimmed();
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

template <typename Test> QString lastLine(const QStringList& lines, Test&& test)
{
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (test(lines[i]))
            return lines[i];
    }
    return {};
}

QString withoutInputPrefix(const QString& line, const QString& inputArgument)
{
    const QString inputPrefix = plainPath(inputArgument) + QStringLiteral(": ");
    if (!inputArgument.isEmpty() && line.startsWith(inputPrefix))
        return line.mid(inputPrefix.size());
    return line;
}

QString causeIn(const QStringList& lines)
{
    const QString line = lastLine(lines, namesCause);
    return line.isEmpty() ? lastLine(lines, readsAsError) : line;
}

} // namespace

QString encoderErrorLine(const QString& errorOutput, const QString& inputArgument,
                         const QString& outputArgument)
{
    const QStringList lines = messageLines(errorOutput, {inputArgument, outputArgument});
    QString line = causeIn(lines);
    if (line.isEmpty())
        line =
            lastLine(lines, [](const QString& text) { return !startsWithAny(text, kStatistics); });
    return withoutInputPrefix(line, inputArgument);
}

QString encoderCauseLine(const QString& errorOutput, const QString& inputArgument,
                         const QString& outputArgument)
{
    return withoutInputPrefix(causeIn(messageLines(errorOutput, {inputArgument, outputArgument})),
                              inputArgument);
}

QString outputWriteErrorLine(const QString& errorOutput, const QString& outputArgument)
{
    const QString output = plainPath(outputArgument);
    if (output.isEmpty())
        return {};
    return lastLine(messageLines(errorOutput, {outputArgument}), [&](const QString& line) {
        return line.contains(output) && readsAsError(line);
    });
}

} // namespace brindlecast
