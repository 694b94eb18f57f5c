#include "support/ScriptedFileSystem.h"

#include "core/ErrorNumbers.h"

#include <QDir>

namespace brindlecast::test {

namespace {

QString key(const QString& path)
{
    return path.isEmpty() ? path : QDir::cleanPath(path);
}

FolderListing denied()
{
    return {{}, int(ErrorNumber::PermissionDenied)};
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

FolderListing ScriptedFileSystem::subfolders(const QString& folder) const
{
    if (onSubfolders)
        onSubfolders(folder);
    if (isDeniedOrBelow(folder))
        return denied();
    const auto scripted = subfolderAnswers.constFind(key(folder));
    return scripted != subfolderAnswers.cend() ? *scripted : m_real.subfolders(real(folder));
}

FolderListing ScriptedFileSystem::matchingFiles(const QString& folder, const QString& pattern) const
{
    return isDeniedOrBelow(folder) ? denied() : m_real.matchingFiles(real(folder), pattern);
}

void ScriptedFileSystem::removeFile(const QString& path)
{
    m_real.removeFile(real(path));
}

} // namespace brindlecast::test
