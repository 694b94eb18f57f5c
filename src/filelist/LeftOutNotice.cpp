// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/LeftOutNotice.h"

namespace brindlecast {

QString leftOutNotice(int count)
{
    if (count == 1)
        return QStringLiteral("1 file or folder was not added: its name is not valid UTF-8 or "
                              "holds a NUL character, so no row can name it.");
    return QStringLiteral("%1 files or folders were not added: their names are not valid UTF-8 "
                          "or hold a NUL character, so no row can name them.")
        .arg(count);
}

bool isNameablePath(const QString& path)
{
    // Text that is not valid UTF-16 (a lone surrogate) has no spelling on disk at all.
    return !path.contains(QChar(0)) && path.isValidUtf16();
}

} // namespace brindlecast
