// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedFileSystem.h"

#include "core/ErrorNumbers.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace brindlecast::test {

namespace {

QString key(const QString& path)
{
    return path.isEmpty() ? path : QDir::cleanPath(path);
}

// A made-up subfolder's identity: its real one when it exists, else one of its own.
FolderIdentity identityOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0)
        return {quint64(info.st_dev), quint64(info.st_ino)};
    return {~quint64(0), quint64(qHash(path))};
}

} // namespace

QString ScriptedFileSystem::real(const QString& path) const
{
    return root.isEmpty() || path.isEmpty() ? path : root + path;
}

bool ScriptedFileSystem::isBelowDenied(const QString& path) const
{
    const QString at = key(path);
    for (const QString& folder : deniedFolders) {
        if (at.startsWith(key(folder) + u'/'))
            return true;
    }
    return false;
}

bool ScriptedFileSystem::isDeniedOrBelow(const QString& path) const
{
    return deniedFolders.contains(key(path)) || isBelowDenied(path);
}

bool ScriptedFileSystem::exists(const QString& path) const
{
    return !isBelowDenied(path) && m_real.exists(real(path));
}

bool ScriptedFileSystem::isFolder(const QString& path) const
{
    return !isBelowDenied(path) && m_real.isFolder(real(path));
}

bool ScriptedFileSystem::isPresent(const QString& path) const
{
    return !isBelowDenied(path) && m_real.isPresent(real(path));
}

bool ScriptedFileSystem::isRegularFile(const QString& path) const
{
    return !isBelowDenied(path) && m_real.isRegularFile(real(path));
}

qint64 ScriptedFileSystem::regularFileSize(const QString& path) const
{
    return isBelowDenied(path) ? -1 : m_real.regularFileSize(real(path));
}

bool ScriptedFileSystem::isSameFile(const QString& first, const QString& second) const
{
    return m_real.isSameFile(real(first), real(second));
}

int ScriptedFileSystem::attributes(const QString& path) const
{
    if (failingAttributes.contains(key(path)))
        throw Failure(QStringLiteral("Device unavailable"), 68);
    if (isBelowDenied(path)) // as the real one reports any entry it cannot look at
        throw makeFailure(ErrorNumber::FileNotFound);
    const auto scripted = attributeWords.constFind(key(path));
    return scripted != attributeWords.cend() ? *scripted : m_real.attributes(real(path));
}

bool ScriptedFileSystem::isAccessibleFile(const QString& path) const
{
    return !isBelowDenied(path) && m_real.isAccessibleFile(real(path));
}

FolderContents ScriptedFileSystem::readFolder(const QString& folder, const QString& filePattern,
                                              const std::optional<FolderLead>& lead,
                                              const std::function<void()>& onEntry) const
{
    if (onSubfolders)
        onSubfolders(folder);
    FolderContents contents;
    if (isDeniedOrBelow(folder)) {
        contents.error = int(ErrorNumber::PermissionDenied);
        return contents;
    }
    const auto scripted = subfolderAnswers.constFind(key(folder));
    // A made-up listing's subfolders are led to by name only.
    const bool madeUp = lead && lead->identity.device == ~quint64(0);
    auto* self = const_cast<ScriptedFileSystem*>(this);
    contents = m_real.readFolder(real(folder), filePattern, madeUp ? std::nullopt : lead, [&] {
        ++self->entriesRead;
        if (onEntry)
            onEntry();
    });
    if (scripted != subfolderAnswers.cend()) {
        contents.subfolders.clear();
        for (const QString& name : scripted->names) {
            const QString path = real(key(folder) + u'/' + name);
            contents.subfolders.append({name, identityOf(path), false});
        }
        contents.error = scripted->error;
        contents.systemError = scripted->systemError;
    }
    for (FileEntry& file : contents.files) {
        const QString path = key(folder) + u'/' + file.name;
        if (failingAttributes.contains(key(path)))
            file.attributes = -1;
        else if (const auto word = attributeWords.constFind(key(path));
                 word != attributeWords.cend())
            file.attributes = *word;
    }
    return contents;
}

void ScriptedFileSystem::removeFile(const QString& path)
{
    m_real.removeFile(real(path));
}

} // namespace brindlecast::test
