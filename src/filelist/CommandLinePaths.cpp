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
    for (const QByteArray& argument : arguments) {
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
