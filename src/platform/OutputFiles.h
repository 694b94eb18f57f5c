// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

namespace brindlecast {

// One output being written. The partial file lives in a private folder of this user's (open to
// nobody else) beside the final name, so that no other user can put a name in its place; the
// encoder writes it through the descriptor, never by a name. The descriptor holds a lock on the
// file for as long as it is open here or in the encoder, which tells a later run that this one
// is alive. Discarded (file and folder removed) when it goes, unless it replaced the output.
class PartialOutput {
public:
    virtual ~PartialOutput() = default;

    // The partial file, open for reading and writing.
    virtual int descriptor() const = 0;
    // A name that leads to the very file, whatever happens to the folders' names meanwhile.
    virtual QString readablePath() const = 0;
    // Renames the partial over the final name in one step, once it is checked to be still the
    // file that was made. Throws Failure naming the cause.
    virtual void replaceOutput() = 0;
    // Removes the partial and its private folder; nothing after replaceOutput(). Never fails.
    virtual void discard() = 0;
};

// How a run puts its outputs in place: each is written as a partial file and renamed over the
// final name only once it is whole, so an old output is never lost to a failed encode and nobody
// ever sees half a file under the final name.
class OutputFiles {
public:
    virtual ~OutputFiles() = default;

    // Creates the partial file of `output`, in a new private folder in the output's folder. The
    // output lies in `root` (a folder the user named, taken as it is named) or below it: the
    // folders between are entered, and made where missing, without following a link, so that
    // nothing is ever written outside root's own tree. Throws Failure naming the cause.
    virtual std::unique_ptr<PartialOutput> createPartial(const QString& root,
                                                         const QString& output) = 0;

    // True when `output` is a regular file (not a link) modified later than `input`.
    virtual bool isNewerThan(const QString& output, const QString& input) const = 0;
};

// The real files, through POSIX calls.
class PosixOutputFiles final : public OutputFiles {
public:
    std::unique_ptr<PartialOutput> createPartial(const QString& root,
                                                 const QString& output) override;
    bool isNewerThan(const QString& output, const QString& input) const override;
};

// The names of this program's private folders of partial files: ".brindlecast-" and 16
// hexadecimal digits.
inline constexpr auto kPartialFolderPrefix = ".brindlecast-";

} // namespace brindlecast
