// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/CommandLinePaths.h"

#include <QDir>
#include <QFile>

namespace brindlecast {

QStringList commandLinePaths(const QList<QByteArray>& arguments, const QString& currentFolder,
                             int& leftOut)
{
    QStringList paths;
    const QDir current(currentFolder);
    bool optionsEnded = false;
    for (const QByteArray& argument : arguments) {
        // "--" ends the options: after it, "--help" is a file's name like any other.
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        const QString path = QFile::decodeName(argument);
        if (argument.contains('\0') || QFile::encodeName(path) != argument) {
            ++leftOut;
            continue;
        }
        paths << current.absoluteFilePath(path);
    }
    return paths;
}

} // namespace brindlecast
