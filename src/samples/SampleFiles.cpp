// SPDX-License-Identifier: GPL-3.0-or-later
#include "samples/SampleFiles.h"

#include "core/ErrorReport.h"
#include "core/FileRows.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "filelist/AddFolder.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>

namespace brindlecast {

bool IsInList(const FileRows& list, const QString& text)
{
    const int rowCount = list.rowCount();
    for (int row = 1; row <= rowCount; ++row) {
        if (list.rowText(row) == text)
            return true;
    }
    return false;
}

void LoadSampleFiles(FileRows& list, const FileSystem& fileSystem, Dialogs& dialogs,
                     const QString& applicationFolder, const QString& applicationTitle)
{
    const QString samplesFolder = applicationFolder + kNativeSeparator + QStringLiteral("Samples");
    const QString samplesPrefix = samplesFolder + kNativeSeparator;
    const NameArray names = ListMatchingFiles(fileSystem, samplesFolder, QStringLiteral("*.*"));
    for (int index = 1; index <= names.highestIndex(); ++index) {
        const QString path = samplesPrefix + names.at(index);
        if (fileSystem.exists(path) && !IsInList(list, path))
            list.appendRow(path, samplesFolder);
    }
    const MessageAnswer answer =
        dialogs.showMessage({QCoreApplication::translate("SampleFiles", kOpenSamplesQuestion),
                             applicationTitle, MessageIcon::None, MessageButtons::YesNo});
    if (answer == MessageAnswer::Yes)
        dialogs.openFolderOrExplain(samplesPrefix, applicationTitle);
}

void PushButton5_Click(FileRows& list, const FileSystem& fileSystem, Dialogs& dialogs,
                       const QString& applicationFolder, const QString& applicationTitle)
{
    StepReporter steps(dialogs, form1LocationText(QStringLiteral("PushButton5_Click")));
    steps.run(100, [&] {
        LoadSampleFiles(list, fileSystem, dialogs, applicationFolder, applicationTitle);
    });
}

} // namespace brindlecast
