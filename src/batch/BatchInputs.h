// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace brindlecast {

class ErrorBox;
class FileSystem;

// One file to convert, and the folder argument it was found under ("" when it was named
// directly); both absolute.
struct BatchInput {
    QString path;
    QString root; // ends with the separator
};

// The files of the paths given, in order: a file as it is named (whatever is there: the run
// finds out), a folder searched breadth-first with all its subfolders by the rules of "Add All
// WAV File(s) In Folder" for names ending in "." + extension ("*" for every name). Relative
// paths are taken from currentFolder. A file met again (named twice, or inside a folder also
// given, or by another name of the same file) is taken once. Failures of the scan go to the
// error box; names left out because they are not valid UTF-8 are added to undecodableNames.
// A scan never enters `outputFolder` (when given): what a run writes is never its input.
QList<BatchInput> gatherInputs(const QStringList& paths, const QString& extension,
                               const QString& currentFolder, const FileSystem& fileSystem,
                               ErrorBox& errorBox, int* undecodableNames = nullptr,
                               const QString& outputFolder = QString());

} // namespace brindlecast
