// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProcessCommand.h"

#include <QFile>
#include <QString>
#include <unistd.h>

namespace brindlecast::test {

// The file behind one of this process's descriptors, as /proc names it; "" when it is not open.
inline QString fileOfDescriptor(int fd)
{
    char target[4096];
    const QByteArray link = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(fd);
    const ssize_t length = ::readlink(link.constData(), target, sizeof target - 1);
    return length > 0 ? QFile::decodeName(QByteArray(target, int(length))) : QString();
}

// The command as a reader of tests wants it: each "file:/dev/fd/N" that names a passed file
// names that file's path instead, as it is while the command's files are open.
inline ProcessCommand withPassedFilesNamed(const ProcessCommand& command)
{
    ProcessCommand named = command;
    for (QString& argument : named.arguments) {
        if (!argument.startsWith(QStringLiteral("file:/dev/fd/")))
            continue;
        bool isNumber = false;
        const int passed = argument.mid(13).toInt(&isNumber) - 3;
        if (isNumber && passed >= 0 && passed < command.descriptors.size())
            argument = QStringLiteral("file:") + fileOfDescriptor(command.descriptors[passed]);
    }
    return named;
}

// Where a scripted child writes the file a command's last argument names: a passed file through
// its descriptor, anything else by its name.
inline QString writtenFileOf(const ProcessCommand& command)
{
    QString output = command.arguments.value(command.arguments.size() - 1);
    if (output.startsWith(QStringLiteral("file:")))
        output = output.mid(5);
    if (output.startsWith(QStringLiteral("/dev/fd/"))) {
        bool isNumber = false;
        const int passed = output.mid(8).toInt(&isNumber) - 3;
        if (isNumber && passed >= 0 && passed < command.descriptors.size())
            return QStringLiteral("/proc/self/fd/%1").arg(command.descriptors[passed]);
    }
    return output;
}

} // namespace brindlecast::test
