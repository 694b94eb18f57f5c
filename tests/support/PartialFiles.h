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

// Whether a partial output in the folder has begun to fill.
inline bool partialBegunIn(const QString& folder)
{
    const QStringList partials = partialFilesIn(folder);
    return std::any_of(partials.begin(), partials.end(), [](const QString& partial) {
        return QFileInfo(partial + QStringLiteral("/part")).size() > 0;
    });
}

} // namespace brindlecast::test
