// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/OutputClaims.h"

#include "core/PathHelpers.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>

namespace brindlecast {

namespace {

QString nameKey(const QString& path)
{
    return FileNameOfPath(path).toLower();
}

} // namespace

OutputClaims::OutputClaims(const QStringList& runInputs, const FileSystem& fileSystem)
    : m_fileSystem(fileSystem)
{
    for (const QString& input : runInputs)
        m_inputs[nameKey(input)].append(input);
}

QString OutputClaims::sameAs(const QHash<QString, QStringList>& byName, const QString& output,
                             const QString& except) const
{
    const QStringList candidates = byName.value(nameKey(output));
    for (const QString& path : candidates) {
        if (path == output && path != except)
            return path;
    }
    for (const QString& path : candidates) {
        if (path != except && m_fileSystem.isSameFile(path, output))
            return path;
    }
    return {};
}

QString OutputClaims::claim(const QString& input, const QString& output)
{
    if (const QString other = sameAs(m_inputs, output, input); !other.isEmpty())
        return QCoreApplication::translate("ConversionRun", "its output %1 is an input of this run")
            .arg(output);
    if (const QString earlier = sameAs(m_outputs, output, QString()); !earlier.isEmpty()) {
        return QCoreApplication::translate("ConversionRun",
                                           "its output %1 is already written from %2")
            .arg(output, m_writers.value(earlier));
    }
    m_outputs[nameKey(output)].append(output);
    m_writers.insert(output, input);
    return {};
}

} // namespace brindlecast
