// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/EncoderCommand.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace brindlecast {

// What one `--convert` run was asked to do.
struct BatchOptions {
    QStringList paths;              // files and folders, in the order given
    std::optional<int> bitRateKbps; // nullopt: each input's own ("same")
    QString outputFolder;           // "": beside each input
    bool keepFolders = false;       // keep the layout below each folder argument
    bool skipExisting = false;      // leave outputs newer than their inputs alone
    int jobs = 0;                   // encoders at once; 0: one per usable processor
    OutputFormat format = OutputFormat::Aac;
    QString extension = QStringLiteral("wav"); // of the files taken from folders; "*": all
    int undecodablePaths = 0;                  // paths left out: their bytes are not valid UTF-8
};

enum class BatchAction { Convert, Help, Version, UsageError };

struct ParsedArguments {
    BatchAction action = BatchAction::UsageError;
    BatchOptions options;
    QString error; // the one-line message of a usage error
};

// Help or Version when an argument before any "--" is --help, -h or --version (the first of
// them counts), or nullopt. Such a request is answered whatever else the line holds, with
// `--convert` or without, and needs no window.
std::optional<BatchAction> informationRequest(const QStringList& arguments);

// Reads the arguments that follow `--convert`. Options take their value as the next argument or
// after "="; "--" ends the options, so that a path may start with "-". --help and --version win
// over everything else. Whether the output folder exists is not looked at here. The arguments
// whose bytes are not valid UTF-8 (by index) have no text that names them: such a path is left
// out and counted, such an option value is a usage error.
ParsedArguments parseBatchArguments(const QStringList& arguments,
                                    const QSet<qsizetype>& undecodable = {});

} // namespace brindlecast
