// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/FolderFiles.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"
#include "core/FileRows.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "filelist/EventPacer.h"

namespace brindlecast {

namespace {

// Hidden archive files: hidden dot-files that are not read-only.
constexpr int kHiddenFile = AttributeArchive | AttributeHidden;

// The folder's files as the scan read them; a failure to read them, other than the folder having
// gone, is the caller's.
const QList<FileEntry>& filesOf(ScanSession& scan, ScannedFolder& folder)
{
    readFolderFiles(scan, folder);
    if (folder.filesSystemError != 0 ||
        (folder.filesError != 0 && folder.filesError != int(ErrorNumber::PathNotFound)))
        throw listingFailure(folder.filesError, folder.filesSystemError);
    return folder.files;
}

} // namespace

void appendFolderFiles(ScanSession& scan, FolderList& folders, const QString& baseFolder,
                       FileRows& list, StepReporter& steps)
{
    static const QList<FileEntry> none;
    for (ScannedFolder& entry : folders) {
        QString folder;
        steps.run(120, [&] { folder = entry.path.chopped(1); });
        const QList<FileEntry>* files = &none;
        steps.run(122, [&] { files = &filesOf(scan, entry); });
        for (const FileEntry& file : *files) {
            scan.pace();
            if (!file.accessible || steps.check(126, [&] { return file.name.startsWith(u'~'); }))
                continue;
            QString path;
            steps.run(128, [&] { path = folder + kNativeSeparator + file.name; });
            // What could not be looked at is left out, as the scan leaves it out.
            if (file.attributes >= 0 && file.attributes != kHiddenFile)
                steps.run(132, [&] { list.appendRow(CollapseBackslashes(path), baseFolder); });
        }
        // The names are done with: a scan of a whole disk holds no more of them than it must.
        entry.files = {};
    }
}

} // namespace brindlecast
