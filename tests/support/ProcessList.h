#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

namespace brindlecast::test {

// How many processes have the text in their command line (an ended one has none left).
inline int processesMentioning(const QString& text)
{
    int found = 0;
    QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        QFile commandLine(processes.next() + QStringLiteral("/cmdline"));
        if (commandLine.open(QIODevice::ReadOnly) &&
            QString::fromLocal8Bit(commandLine.readAll().replace('\0', ' ')).contains(text))
            ++found;
    }
    return found;
}

} // namespace brindlecast::test
