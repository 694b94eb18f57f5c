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

// The encoder lives in a folder of this user's own inside the temporary folder, so that no other
// user of the machine can plant or swap the file that is run.
QString encoderFolder(const QString& temporaryFolder);
QString encoderPath(const QString& temporaryFolder);

// Makes sure the encoder folder exists, belongs to this user and is open to nobody else, in a
// temporary folder where other users cannot rename it away. Throws Failure when it is not safe.
void preparePrivateFolder(const QString& temporaryFolder);

// True for a regular file of this user's, writable by nobody else, in a safe private folder:
// a file that no other user can have written.
bool isTrustedEncoder(const QString& temporaryFolder);

// Puts the encoder bytes at encoderPath unless a trusted file is there already (which is used
// unchanged); an untrusted file is replaced. True when the file now there was written from these
// bytes. Throws Failure.
bool deployEncoder(const QByteArray& bytes, const QString& temporaryFolder);

// Removes the encoder and its folder when that is then empty; never fails.
void removeDeployedEncoder(const QString& temporaryFolder);

} // namespace brindlecast
