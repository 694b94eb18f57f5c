// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace brindlecast::test {

// What a run leaves of its partial outputs in a folder (and, when asked, below it): the
// private ".brindlecast-…" folders and anything else so named.
inline QStringList partialFilesIn(const QString& folder, bool below = false)
{
    QStringList found;
    QDirIterator entries(folder, {QStringLiteral(".brindlecast-*")},
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         below ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (entries.hasNext())
        found << entries.next();
    found.sort();
    return found;
}

// Whether a partial output is in the folder: an encode into it is under way. (Its first bytes
// may come much later: the encoder writes in large blocks.)
inline bool partialMadeIn(const QString& folder)
{
    const QStringList partials = partialFilesIn(folder);
    return std::any_of(partials.begin(), partials.end(), [](const QString& partial) {
        return QFileInfo::exists(partial + QStringLiteral("/part"));
    });
}

} // namespace brindlecast::test
