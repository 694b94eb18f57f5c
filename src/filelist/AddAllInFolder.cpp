// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/AddAllInFolder.h"

#include "core/ErrorReport.h"
#include "core/FileRows.h"
#include "core/PathHelpers.h"
#include "core/PointerKind.h"
#include "core/Settings.h"
#include "core/StepReporter.h"
#include "filelist/AddFolder.h"
#include "filelist/BrowseForFolder.h"
#include "filelist/EventPacer.h"
#include "filelist/FolderFiles.h"
#include "filelist/LeftOutNotice.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>

namespace brindlecast {

namespace {

// Stores a setting unless it already holds the text: each write makes the store sync its file to
// disk, which takes milliseconds, and clicking again with the same answers is the common case.
void storeChanged(SettingsStore& settings, SettingKey key, const QString& text)
{
    settings.writeOrFail(key, text);
}

} // namespace

QString extensionPrompt()
{
    return QCoreApplication::translate("FileList", "Enter file extension to load:") +
           QStringLiteral("\r\r") +
           QCoreApplication::translate(
               "FileList", "(* for all files, txt for all txt files, doc for all doc files, etc.)");
}

void PushButton3_Click(const FolderAddTargets& targets)
{
    StepReporter steps(targets.dialogs, form1LocationText(QStringLiteral("PushButton3_Click")));
    const FileSystem& fileSystem = targets.fileSystem;

    QString preset;
    QString answer;
    steps.run(100, [&] { preset = targets.settings.read(SettingKey::AddFolderExtension); });
    steps.run(100, [&] {
        answer = targets.dialogs.inputBox(extensionPrompt(), targets.applicationTitle, preset);
    });
    if (!answer.isEmpty())
        steps.run(100,
                  [&] { storeChanged(targets.settings, SettingKey::AddFolderExtension, answer); });
    if (steps.check(102, [&] { return answer.isEmpty(); }))
        return;

    QString lastFolder;
    QString chosen;
    steps.run(104, [&] { lastFolder = targets.settings.read(SettingKey::LastAddFolder); });
    steps.run(104, [&] {
        chosen = BrowseForFolder(targets.dialogs,
                                 QCoreApplication::translate("FileList", kBrowseFolderTitle),
                                 lastFolder);
    });
    if (steps.check(106, [&] { return chosen.isEmpty(); }))
        return;
    steps.run(333, [&] { lastFolder = chosen; });
    steps.run(334, [&] { storeChanged(targets.settings, SettingKey::LastAddFolder, lastFolder); });

    steps.run(112, [&] { targets.pointer.setMousePointer(PointerBusy); });
    EventPacer pace;
    ScanSession scan{fileSystem, targets.dialogs, QStringLiteral("*.") + answer, pace, 0, {}};
    FolderList folders;
    steps.run(114, [&] { folders = {ScannedFolder::named(chosen + kNativeSeparator)}; });
    steps.run(116, [&] { GetSubDirectories2016(scan, folders); });

    appendFolderFiles(scan, folders, chosen, targets.list, steps);
    steps.run(136, [&] { targets.pointer.setMousePointer(PointerDefault); });
    if (scan.undecodableNames > 0)
        targets.dialogs.showPlainMessage(leftOutNotice(scan.undecodableNames),
                                         targets.applicationTitle);
}

} // namespace brindlecast
