// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/LeftOutNotice.h"

#include <QCoreApplication>

namespace brindlecast {

QString leftOutNotice(int count)
{
    if (count == 1)
        return QCoreApplication::translate(
            "FileList", "1 file or folder was not added: its name is not valid UTF-8 or holds a "
                        "NUL character, so no row can name it.");
    // English says one file apart; the other languages choose their plural forms by %n.
    return QCoreApplication::translate("FileList",
                                       "%n files or folders were not added: their names are not "
                                       "valid UTF-8 or hold a NUL character, so no row can name "
                                       "them.",
                                       "", count);
}

bool isNameablePath(const QString& path)
{
    // Text that is not valid UTF-16 (a lone surrogate) has no spelling on disk at all.
    return !path.contains(QChar(0)) && path.isValidUtf16();
}

} // namespace brindlecast
