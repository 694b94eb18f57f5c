// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/ConversionServices.h"
#include "convert/JobScheduler.h"
#include "convert/OutputClaims.h"
#include "core/EncoderCommand.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>

namespace brindlecast {

class ChildProcess;

// What one file's encode is asked to do.
struct EncodeRequest {
    int file = 0; // its place in the run
    QString input;
    QString output; // the final name
    // The folder the user named for the output, which may be followed as named; the output's
    // folders below it are made and entered without following links. "": the output's folder.
    QString outputRoot;
    // The bit-rate text ("128k"), asked once every check has passed, given a name that leads to
    // the very input opened (never one another user could swap for a pipe); nullopt fails the
    // file.
    std::function<std::optional<QString>(const QString& openedInput)> bitRate;
};

// How a file ended.
struct FileVerdict {
    enum class Outcome { Converted, Skipped, Failed };
    Outcome outcome = Outcome::Failed;
    QString reason; // why it failed
    // The encode was whole but could not replace the old output.
    bool replaceFailed = false;

    static FileVerdict failed(QString reason) { return {Outcome::Failed, std::move(reason)}; }
};

struct EncodeSettings {
    QString encoder; // the program to run
    QString codec;   // the AAC encoder it offers
    OutputFormat format = OutputFormat::Aac;
    bool skipExisting = false; // an output newer than its input is left alone
};

// Everything between "this file is next" and "this file's verdict", the same for the window and
// the command line. prepare() makes the checks that may end a file without an encode, creates a
// hidden partial file beside the output and gives the command that writes it; finish() judges
// what the encoder left, and only a whole output replaces the old one, in one rename. A failed
// or stopped encode leaves the old output as it was and no file that was not there before.
class FileEncoder {
public:
    FileEncoder(const ConversionServices& services, EncodeSettings settings,
                const QStringList& runInputs);

    // The job to run, or the verdict of a file that ends here.
    std::variant<ScheduledJob, FileVerdict> prepare(const EncodeRequest& request);

    FileVerdict finish(const ScheduledJob& job, const ChildProcess& child, int result);

private:
    std::optional<QString> refusal(const EncodeRequest& request);

    const ConversionServices& m_services;
    EncodeSettings m_settings;
    OutputClaims m_claims;
};

} // namespace brindlecast
