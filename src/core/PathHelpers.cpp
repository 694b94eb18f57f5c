// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PathHelpers.h"

namespace brindlecast {

namespace {

QString collapsePairs(QStringView text, QChar separator)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        result += text[i];
        if (text[i] == separator && i + 1 < text.size() && text[i + 1] == separator)
            ++i;
    }
    return result;
}

} // namespace

QString FolderOfPath(const QString& path, QChar separator)
{
    return path.left(path.lastIndexOf(separator) + 1);
}

QString FileNameOfPath(const QString& path, QChar separator)
{
    return path.mid(path.lastIndexOf(separator) + 1);
}

QString StripExtension(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot >= 1 ? fileName.left(dot) : fileName;
}

QString CollapseBackslashes(const QString& path, QChar separator)
{
    // Most paths hold no doubled separator; where no network prefix is to be made they come back
    // as they are, without building a copy character by character.
    const QChar pair[] = {separator, separator};
    if (!path.contains(QStringView(pair, 2)) && (separator != u'\\' || !path.startsWith(separator)))
        return path;
    if (!path.startsWith(separator))
        return collapsePairs(path, separator);

    qsizetype rest = 1;
    while (rest < path.size() && path[rest] == separator)
        ++rest;
    // Only "\" paths know a network prefix; a POSIX path has one root.
    const QString prefix = separator == u'\\' ? QStringLiteral("\\\\") : QString(separator);
    return prefix + collapsePairs(QStringView(path).mid(rest), separator);
}

} // namespace brindlecast
