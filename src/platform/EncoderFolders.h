// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace brindlecast {

// Where one run's encoder lives: a private folder of the run's own in the temporary folder, the
// encoder put in it, the check that nobody else can have changed what is run, and the removal.
// Behind an interface so that a run's rules can be tried with encoders that cannot be put in
// place or cannot be trusted.
class EncoderFolders {
public:
    virtual ~EncoderFolders() = default;

    // Makes a new folder for one run's encoder in the temporary folder, open to nobody else;
    // returns its path. Throws Failure naming the cause when the temporary folder cannot hold it
    // safely.
    virtual QString createFolder(const QString& temporaryFolder) = 0;

    // Puts the encoder bytes in the run's folder; returns the path of the program to run. Throws
    // Failure naming the cause when there is no encoder that can be run.
    virtual QString deploy(const QByteArray& bytes, const QString& folder) = 0;

    // True when no other user can have written the program (as deploy() returned it).
    virtual bool isTrusted(const QString& program) const = 0;

    // Removes the folder and what deploy() put in it; never fails.
    virtual void removeFolder(const QString& folder) = 0;
};

} // namespace brindlecast
