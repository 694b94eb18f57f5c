// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <sys/types.h>

namespace brindlecast {

// The name of a run's encoder folder tells the process that owns it: "brindlecast-<pid>-" and a
// random six-character tail, as mkdtemp fills it in.
QByteArray encoderFolderTemplate(pid_t owner);

// The owner of a folder of that name, or 0 for any other name.
pid_t encoderFolderOwner(const QByteArray& name);

// The name of the file in a run's encoder folder that the run keeps locked (flock) for as long as
// it lives. A process id in a folder's name cannot tell a run that has ended: another PID
// namespace sharing the temporary folder gives the same id to other processes. The lock goes
// with its holder, in whatever namespace it ran.
extern const char kEncoderFolderLockName[];

// Creates the lock file in a freshly made run folder and locks it; returns the descriptor, to be
// kept open for the run's life and closed after the folder is removed. Throws Failure.
int lockEncoderFolder(const QString& encoderFolder);

// Removes from the temporary folder the encoder folders that runs killed outright (SIGKILL, a
// power loss) left behind: only folders of this user's, open to nobody else, whose lock nobody
// holds (or, made by a version without the lock, named for a process that has ended), holding
// files only, and from which no program is running. A link is never followed. Never fails;
// whatever cannot be removed stays.
void removeStaleEncoderFolders(const QString& temporaryFolder);

} // namespace brindlecast
