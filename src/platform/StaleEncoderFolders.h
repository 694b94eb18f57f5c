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

// Removes from the temporary folder the encoder folders that runs killed outright (SIGKILL, a
// power loss) left behind: only folders of this user's, open to nobody else, named for a process
// that has ended, holding files only, and from which no program is running. A link is never
// followed. Never fails; whatever cannot be removed stays.
void removeStaleEncoderFolders(const QString& temporaryFolder);

} // namespace brindlecast
