#include "filelist/FolderFiles.h"

#include "core/FileRows.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "filelist/AddFolder.h"
#include "platform/FileSystem.h"

namespace brindlecast {

namespace {

// Hidden archive files: hidden dot-files that are not read-only.
constexpr int kHiddenFile = AttributeArchive | AttributeHidden;

} // namespace

void appendMatchingFiles(const QStringList& folders, const QString& pattern, FileRows& list,
                         const FileSystem& fileSystem, StepReporter& steps)
{
    for (const QString& entry : folders) {
        QString folder;
        steps.run(120, [&] { folder = entry.chopped(1); });
        NameArray names;
        steps.run(122, [&] { names = ListMatchingFiles(fileSystem, folder, pattern); });
        for (int index = 1; index <= names.highestIndex(); ++index) {
            if (steps.check(126, [&] { return names.at(index).startsWith(u'~'); }))
                continue;
            QString path;
            steps.run(128, [&] { path = folder + kNativeSeparator + names.at(index); });
            if (steps.check(132, [&] {
                    return FileIsAccessible(fileSystem, path) &&
                           fileSystem.attributes(path) != kHiddenFile;
                }))
                steps.run(132, [&] { list.appendRow(CollapseBackslashes(path)); });
        }
    }
}

} // namespace brindlecast
