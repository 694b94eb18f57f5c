// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace brindlecast {

class FileSystem;

// Which output each file of a run writes, so that no file of the run replaces another's output
// or input. Names are compared exactly and, for names that differ only in case, by the file they
// lead to, so that a case-blind folder is covered too.
class OutputClaims {
public:
    OutputClaims(const QStringList& runInputs, const FileSystem& fileSystem);

    // Why the input may not write the output, or "" when it may: the output is then claimed.
    QString claim(const QString& input, const QString& output);

private:
    // The path among these that is the output, or "".
    QString sameAs(const QHash<QString, QStringList>& byName, const QString& output,
                   const QString& except) const;

    const FileSystem& m_fileSystem;
    QHash<QString, QStringList> m_inputs;  // by lower-case file name
    QHash<QString, QStringList> m_outputs; // claimed, by lower-case file name
    QHash<QString, QString> m_writers;     // output -> its input
};

} // namespace brindlecast
