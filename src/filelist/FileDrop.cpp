// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/FileDrop.h"

#include "core/ErrorReport.h"
#include "core/FileRows.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "filelist/AddFolder.h"
#include "filelist/EventPacer.h"
#include "filelist/FolderFiles.h"
#include "filelist/LeftOutNotice.h"
#include "platform/FileSystem.h"

#include <QFile>
#include <QMimeData>
#include <QSysInfo>
#include <QUrl>

namespace brindlecast {

namespace {

// Every file of the folder and of all its subfolders, in the scan's order. The drop has no error
// box of its own: what cannot be read is left out. Returns how many names were left out because
// no row could name them.
int appendFolderTree(const QString& folder, FileRows& list, const FileSystem& fileSystem,
                     ErrorBox& scanErrors, EventPacer& pace)
{
    ScanSession scan{fileSystem, scanErrors, QStringLiteral("*.*"), pace, 0, {}};
    FolderList folders{ScannedFolder::named(folder + kNativeSeparator)};
    GetSubDirectories2016(scan, folders);
    SilentErrorBox quiet;
    StepReporter steps(quiet, QString());
    appendFolderFiles(scan, folders, folder, list, steps);
    return scan.undecodableNames;
}

// A file URL names a file of this machine when it has no host, or names this machine.
bool isThisMachine(const QString& host)
{
    return host.isEmpty() || host.compare(u"localhost", Qt::CaseInsensitive) == 0 ||
           host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) == 0;
}

// The path a file URL names, from its own bytes: "%FF" and "%EF%BF%BD" are two different names,
// though both decode to the same text. A path no text can name comes back as the NUL character,
// which no path can hold.
QString localPath(const QUrl& url)
{
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    const QString path = QFile::decodeName(bytes);
    if (bytes.contains('\0') || QFile::encodeName(path) != bytes)
        return QString(QChar(0));
    return path;
}

} // namespace

std::optional<QStringList> droppedFilePaths(const QMimeData& data)
{
    if (!data.hasUrls())
        return std::nullopt;
    QStringList paths;
    for (const QUrl& url : data.urls()) {
        if (url.scheme() == u"file" && isThisMachine(url.host()))
            paths << localPath(url);
    }
    if (paths.isEmpty())
        return std::nullopt;
    return paths;
}

bool offersFileList(const QMimeData& data)
{
    return droppedFilePaths(data).has_value();
}

void ListView1_OLEDragDrop(const QStringList& droppedPaths, FileRows& list,
                           const FileSystem& fileSystem, ErrorBox& errorBox,
                           const std::function<void(const QString&)>& messageBox)
{
    EventPacer pace;
    int leftOut = 0;
    for (const QString& path : droppedPaths) {
        pace();
        if (!isNameablePath(path)) {
            ++leftOut;
            continue;
        }
        // A hidden folder is a folder too: it is expanded, never listed as a file.
        if (fileSystem.isFolder(path))
            leftOut += appendFolderTree(path, list, fileSystem, errorBox, pace);
        else
            list.appendRow(path);
    }
    if (leftOut > 0)
        messageBox(leftOutNotice(leftOut));
}

} // namespace brindlecast
