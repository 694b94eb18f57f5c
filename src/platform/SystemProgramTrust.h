// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// True for a program that only the system's administrator can have written: a regular executable
// file owned by root and writable by nobody else, reached from "/" through folders (and links in
// them) that are all owned by root and writable by nobody else, so that no other user can change
// the file or any name on the way to it.
bool isTrustedSystemProgram(const QString& path);

} // namespace brindlecast
