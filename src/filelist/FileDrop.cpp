#include "filelist/FileDrop.h"

#include "core/FileRows.h"
#include "filelist/AddFolder.h"
#include "platform/FileSystem.h"

#include <QMimeData>
#include <QUrl>

namespace brindlecast {

namespace {

bool isFolder(FileSystem& fileSystem, const QString& path)
{
    // A hidden folder is a folder too: it is expanded, never listed as a file.
    return fileSystem.isPresent(path) && fileSystem.isFolder(path);
}

} // namespace

std::optional<QStringList> droppedFilePaths(const QMimeData& data)
{
    if (!data.hasUrls())
        return std::nullopt;
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    if (paths.isEmpty())
        return std::nullopt;
    return paths;
}

bool ListView1_OLEDragOver(const QMimeData& data)
{
    return droppedFilePaths(data).has_value();
}

void ListView1_OLEDragDrop(const QStringList& droppedPaths, FileRows& list, FileSystem& fileSystem,
                           ErrorBox& errorBox)
{
    for (const QString& path : droppedPaths) {
        if (isFolder(fileSystem, path))
            appendFilesOfFolderTree(path, QStringLiteral("*.*"), list, fileSystem, errorBox);
        else
            list.appendRow(path);
    }
}

} // namespace brindlecast
