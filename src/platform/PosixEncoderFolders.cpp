// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PosixEncoderFolders.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"
#include "platform/EncoderDeployment.h"
#include "platform/EncoderStore.h"
#include "platform/FileOperations.h"
#include "platform/StaleEncoderFolders.h"
#include "platform/SystemProgramTrust.h"

#include <QCoreApplication>
#include <QFile>
#include <unistd.h>

namespace brindlecast {

namespace {

QString parentOf(const QString& path)
{
    return path.left(path.lastIndexOf(u'/'));
}

} // namespace

PosixEncoderFolders::PosixEncoderFolders(std::function<QString()> installedEncoder)
    : m_installedEncoder(std::move(installedEncoder))
{
}

PosixEncoderFolders::PosixEncoderFolders() : PosixEncoderFolders(installedEncoderPath) {}

PosixEncoderFolders::~PosixEncoderFolders()
{
    for (const auto& [folder, lock] : m_locks)
        ::close(lock);
}

QString PosixEncoderFolders::createFolder(const QString& temporaryFolder)
{
    const QString folder = createEncoderFolder(temporaryFolder);
    try {
        m_locks[folder] = lockEncoderFolder(folder);
    } catch (const Failure&) {
        removeEncoderFolder(folder);
        throw;
    }
    removeStaleEncoderFolders(temporaryFolder);
    return folder;
}

QString PosixEncoderFolders::deploy(const QByteArray& bytes, const QString& folder)
{
    // The copy is not even written where it could not run (and a small noexec volume might not
    // hold it).
    if (!allowsRunningPrograms(folder) && !bytes.isEmpty())
        return installedInstead(folder);
    deployEncoder(bytes, folder);
    const QString copy = encoderPathIn(folder);
    if (::access(QFile::encodeName(copy).constData(), X_OK) == 0)
        return copy;
    DeleteFileQuietly(copy);
    return installedInstead(folder);
}

QString PosixEncoderFolders::installedInstead(const QString& folder) const
{
    const QString installed = m_installedEncoder();
    if (!installed.isEmpty() && isTrustedSystemProgram(installed))
        return installed;
    throw makeFailure(
        ErrorNumber::PermissionDenied,
        QCoreApplication::translate("PosixEncoderFolders",
                                    "The temporary folder %1 does not allow running programs; "
                                    "set TEMP to another folder")
            .arg(parentOf(folder)));
}

bool PosixEncoderFolders::isTrusted(const QString& program) const
{
    const QString folder = parentOf(program);
    if (program == encoderPathIn(folder) && isTrustedEncoder(folder))
        return true;
    return isTrustedSystemProgram(program);
}

void PosixEncoderFolders::removeFolder(const QString& folder)
{
    removeEncoderFolder(folder);
    // Only once the folder is gone: until then nobody may take it for one left behind.
    if (const auto lock = m_locks.find(folder); lock != m_locks.end()) {
        ::close(lock->second);
        m_locks.erase(lock);
    }
}

} // namespace brindlecast
