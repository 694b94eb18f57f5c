// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// How a command-line run puts its outputs in place: each is written under a temporary name in
// its own folder and renamed over the final name only once it is whole, so an old output is
// never lost to a failed encode and nobody ever sees half a file under the final name.
class OutputFiles {
public:
    virtual ~OutputFiles() = default;

    // Makes the folder and any missing folders above it. Throws Failure naming the cause.
    virtual void makeFolders(const QString& folder) = 0;

    // Creates a new, empty file under an unused hidden name in the folder of `output` and
    // returns its path. Throws Failure naming the cause.
    virtual QString createPartialFile(const QString& output) = 0;

    // Renames the partial file over the output in one step. Throws Failure naming the cause.
    virtual void replaceWith(const QString& partial, const QString& output) = 0;

    // True when `output` is a file modified later than `input`.
    virtual bool isNewerThan(const QString& output, const QString& input) const = 0;
};

// The real files, through POSIX calls.
class PosixOutputFiles final : public OutputFiles {
public:
    void makeFolders(const QString& folder) override;
    QString createPartialFile(const QString& output) override;
    void replaceWith(const QString& partial, const QString& output) override;
    bool isNewerThan(const QString& output, const QString& input) const override;
};

} // namespace brindlecast
