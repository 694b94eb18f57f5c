#include "platform/OpenFileResult.h"

namespace brindlecast {

namespace {

// The folder part of a path, its trailing separator included.
QString folderWithSeparator(const QString& path, QChar separator)
{
    return path.left(path.lastIndexOf(separator) + 1);
}

// The folder that holds every picked path. A dialog usually returns files of one folder, but
// some (a "Recent" view) can mix folders; the names then keep the subfolders that differ, so
// that folder + separator + name still gives each picked path.
QString commonFolder(const QStringList& paths, QChar separator)
{
    QString folder = folderWithSeparator(paths.front(), separator);
    for (const QString& path : paths) {
        while (!folder.isEmpty() && !path.startsWith(folder))
            folder = folderWithSeparator(folder.chopped(1), separator);
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
