// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OpenFileResult.h"

#include "core/PathHelpers.h"

namespace brindlecast {

namespace {

// The folder that holds every picked path. A dialog usually returns files of one folder, but
// some (a "Recent" view) can mix folders; the names then keep the subfolders that differ, so
// that folder + separator + name still gives each picked path.
QString commonFolder(const QStringList& paths, QChar separator)
{
    QString folder = FolderOfPath(paths.front(), separator);
    for (const QString& path : paths) {
        while (!folder.isEmpty() && !path.startsWith(folder))
            folder = FolderOfPath(folder.chopped(1), separator);
    }
    return folder;
}

bool isRoot(const QString& folder, QChar separator)
{
    if (folder.size() == 1)
        return folder.front() == separator;
    // A drive root such as D:\ keeps its separator where "\" separates.
    return separator == u'\\' && folder.size() == 3 && folder[0].isLetter() && folder[1] == u':' &&
           folder[2] == separator;
}

} // namespace

QString openFileResultText(const QStringList& pickedPaths, QChar separator)
{
    if (pickedPaths.size() <= 1)
        return pickedPaths.value(0);

    const QString folder = commonFolder(pickedPaths, separator);
    QString result = isRoot(folder, separator) || folder.isEmpty() ? folder : folder.chopped(1);
    for (const QString& path : pickedPaths) {
        result += QChar(0);
        result += path.mid(folder.size());
    }
    return result;
}

} // namespace brindlecast
