#include "filelist/FileDrop.h"

#include "core/ErrorReport.h"
#include "core/FileRows.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "filelist/AddFolder.h"
#include "filelist/FolderFiles.h"
#include "platform/FileSystem.h"

#include <QMimeData>
#include <QUrl>

namespace brindlecast {

namespace {

// Every file of the folder and of all its subfolders, in the scan's order. The drop has no error
// box of its own: what cannot be read is left out.
void appendFolderTree(const QString& folder, FileRows& list, const FileSystem& fileSystem,
                      ErrorBox& scanErrors)
{
    QStringList folders{folder + kNativeSeparator};
    GetSubDirectories2016(fileSystem, scanErrors, folders, true);
    SilentErrorBox quiet;
    StepReporter steps(quiet, QString());
    appendMatchingFiles(folders, QStringLiteral("*.*"), list, fileSystem, steps);
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

void ListView1_OLEDragDrop(const QStringList& droppedPaths, FileRows& list,
                           const FileSystem& fileSystem, ErrorBox& errorBox)
{
    for (const QString& path : droppedPaths) {
        // A hidden folder is a folder too: it is expanded, never listed as a file.
        if (fileSystem.isFolder(path))
            appendFolderTree(path, list, fileSystem, errorBox);
        else
            list.appendRow(path);
    }
}

} // namespace brindlecast
