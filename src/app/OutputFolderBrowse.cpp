// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OutputFolderBrowse.h"

#include "app/OutputOptions.h"
#include "core/ErrorReport.h"
#include "core/PathHelpers.h"
#include "core/Settings.h"
#include "core/StepReporter.h"
#include "filelist/BrowseForFolder.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>

namespace brindlecast {

void PushButton7_Click(Dialogs& dialogs, SettingsStore& settings, OutputOptions& options)
{
    StepReporter steps(dialogs, form1LocationText(QStringLiteral("PushButton7_Click")));
    QString lastFolder;
    QString chosen;
    steps.run(100, [&] { lastFolder = settings.read(SettingKey::LastOutputBrowseFolder); });
    steps.run(100, [&] {
        chosen = BrowseForFolder(
            dialogs, QCoreApplication::translate("FileList", kBrowseFolderTitle), lastFolder);
    });
    if (steps.check(102, [&] { return chosen.isEmpty(); }))
        return;
    steps.run(104, [&] {
        lastFolder = chosen;
        settings.writeOrFail(SettingKey::LastOutputBrowseFolder, lastFolder);
    });
    if (steps.check(104, [&] { return !lastFolder.endsWith(kNativeSeparator); }))
        steps.run(106, [&] { options.setOutputFolderText(lastFolder + kNativeSeparator); });
    else
        steps.run(108, [&] { options.setOutputFolderText(lastFolder); });
}

} // namespace brindlecast
