// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace brindlecast {

class Platform;

// The processor's address width in bits as decimal text ("64"), or "" when it cannot be told.
QString GetAddressWidth(Platform& platform);

// Writes the bytes to a new file at the path unless something is there already. The file is
// created exclusively and never through a symbolic link, with the given permission bits; a
// failed write removes what it created. Throws Failure.
void WriteBytesToFile(const QByteArray& bytes, const QString& path, mode_t mode = 0600);

// Makes the folder of one run's encoder in the temporary folder as mkdtemp does: a new folder
// of this user's own, open to nobody else, under a name nobody can predict and that never
// existed before, so another user can neither plant nor swap the file that is run, nor block
// the name. The name carries this process's id, so that a later run can tell it was left by a
// run that has ended. Throws Failure naming the cause when the temporary folder cannot hold it
// safely.
QString createEncoderFolder(const QString& temporaryFolder);

// False when the folder's file system does not let programs be run from it (mounted noexec).
bool allowsRunningPrograms(const QString& folder);

// The encoder's path in such a folder.
QString encoderPathIn(const QString& encoderFolder);

// True for a regular executable file of this user's, writable by nobody else, in a folder of
// this user's open to nobody else: a file that no other user can have written.
bool isTrustedEncoder(const QString& encoderFolder);

// Writes the encoder bytes into the folder. Empty bytes are no encoder: nothing is written.
// Throws Failure.
void deployEncoder(const QByteArray& bytes, const QString& encoderFolder);

// Removes the encoder and its folder; never fails.
void removeEncoderFolder(const QString& encoderFolder);

} // namespace brindlecast
