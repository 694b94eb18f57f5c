// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/AddFilesByDialog.h"

#include "core/ErrorNumbers.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/FileRows.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "filelist/LeftOutNotice.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QStringList>

namespace brindlecast {

namespace {

QString tooManyFilesText()
{
    return QCoreApplication::translate("FileList", "You've selected too many files to add.") +
           QStringLiteral("\r\r") +
           QCoreApplication::translate("FileList", "Please try adding via the \"Add All\" button.");
}

} // namespace

void PushButton1_Click(Dialogs& dialogs, const FileSystem& fileSystem, FileRows& list,
                       const std::function<void(const QString&)>& messageBox)
{
    int leftOut = 0;
    AddFilesByDialog(
        dialogs,
        [&](const QString& path) {
            if (fileSystem.namesOneEntry(path))
                list.appendRow(path);
            else
                ++leftOut;
        },
        messageBox);
    if (leftOut > 0)
        messageBox(leftOutNotice(leftOut));
}

void AddFilesByDialog(Dialogs& dialogs, const std::function<void(const QString&)>& appendRow,
                      const std::function<void(const QString&)>& messageBox)
{
    StepReporter steps(dialogs, form1LocationText(QStringLiteral("PushButton1_Click")));
    QString fileName;
    OpenFileRequest request;

    steps.run(104, [&] { fileName.clear(); });
    steps.run(106, [&] {
        request.multiSelect = true;
        request.maxResultChars = kAddFilesMaxResultChars;
    });
    steps.run(108,
              [&] { request.title = QCoreApplication::translate("FileList", kAddFilesTitle); });
    steps.run(110,
              [&] { request.filter = QCoreApplication::translate("FileList", kAddFilesFilter); });

    bool tooManyFiles = false;
    steps.run(112, [&] {
        try {
            fileName = dialogs.openFiles(request);
        } catch (const Failure& failure) {
            if (!hasNumber(failure, ErrorNumber::BufferTooSmall))
                throw;
            tooManyFiles = true;
        }
    });
    if (tooManyFiles) {
        messageBox(tooManyFilesText());
        return;
    }

    if (steps.check(114, [&] { return fileName.isEmpty(); }))
        return;

    QStringList parts;
    steps.run(116, [&] { parts = fileName.split(QChar(0)); });
    const auto highest = [&] { return parts.size() - 1; };

    if (steps.check(118, [&] { return highest() == 0; })) {
        QString path;
        steps.run(120, [&] { path = parts.value(0); });
        steps.run(122, [&] { appendRow(path); });
        return;
    }
    if (steps.check(124, [&] { return highest() <= 0; }))
        return;

    for (qsizetype i = 1; i <= highest(); ++i) {
        QString path;
        steps.run(136, [&] { path = parts[0] + kNativeSeparator + parts[i]; });
        steps.run(138, [&] { path = CollapseBackslashes(path); });
        steps.run(140, [&] { appendRow(path); });
    }
}

} // namespace brindlecast
