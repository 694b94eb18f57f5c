// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/OutputFiles.h"

#include <QFile>
#include <sys/stat.h>

namespace brindlecast {

bool PosixOutputFiles::isNewerThan(const QString& output, const QString& input) const
{
    struct stat out {};
    struct stat in {};
    // A link is no output of ours, whatever it leads to.
    if (::lstat(QFile::encodeName(output).constData(), &out) != 0 || !S_ISREG(out.st_mode) ||
        ::stat(QFile::encodeName(input).constData(), &in) != 0)
        return false;
    if (out.st_mtim.tv_sec != in.st_mtim.tv_sec)
        return out.st_mtim.tv_sec > in.st_mtim.tv_sec;
    return out.st_mtim.tv_nsec > in.st_mtim.tv_nsec;
}

} // namespace brindlecast
