// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ErrorNumbers.h"
#include "core/Failure.h"
#include "core/PathHelpers.h"
#include "platform/OutputFiles.h"
#include "platform/UniqueFd.h"

#include <QCoreApplication>
#include <QFile>
#include <QPair>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

namespace {

constexpr char kPartialName[] = "part";

Failure systemFailure(const QString& what, int error)
{
    return makeFailure(error == EACCES || error == EPERM ? ErrorNumber::PermissionDenied
                                                         : ErrorNumber::PathFileAccessError,
                       what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)));
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

class PosixPartialOutput final : public PartialOutput {
public:
    PosixPartialOutput(UniqueFd folder, QByteArray finalName, QByteArray privateName,
                       UniqueFd privateFolder, UniqueFd partial)
        : m_folder(std::move(folder)), m_finalName(std::move(finalName)),
          m_privateName(std::move(privateName)), m_privateFolder(std::move(privateFolder)),
          m_partial(std::move(partial))
    {
        ::fstat(m_privateFolder.get(), &m_privateIdentity);
        ::fstat(m_partial.get(), &m_partialIdentity);
    }
    ~PosixPartialOutput() override { discard(); }

    int descriptor() const override { return m_partial.get(); }
    QString readablePath() const override { return m_partial.openedFileName(); }

    void replaceOutput() override
    {
        // Only this user can change the private folder's entries: what is checked is what goes.
        struct stat now {};
        if (!m_privateFolder.isOpen() ||
            ::fstatat(m_privateFolder.get(), kPartialName, &now, AT_SYMLINK_NOFOLLOW) != 0 ||
            !sameFile(now, m_partialIdentity))
            throw makeFailure(
                ErrorNumber::PathFileAccessError,
                QCoreApplication::translate("PartialOutput",
                                            "Cannot put the output in place: its partial file "
                                            "is not the one written"));
        if (::renameat(m_privateFolder.get(), kPartialName, m_folder.get(),
                       m_finalName.constData()) != 0)
            throw systemFailure(
                QCoreApplication::translate("PartialOutput", "Cannot put the output in place"),
                errno);
        m_replaced = true;
        removePrivateFolder();
    }

    void discard() override
    {
        if (!m_privateFolder.isOpen())
            return;
        if (!m_replaced)
            ::unlinkat(m_privateFolder.get(), kPartialName, 0);
        removePrivateFolder();
    }

private:
    void removePrivateFolder()
    {
        // Another user may have renamed it in a folder open to all: only ours goes.
        struct stat named {};
        if (::fstatat(m_folder.get(), m_privateName.constData(), &named, AT_SYMLINK_NOFOLLOW) ==
                0 &&
            sameFile(named, m_privateIdentity))
            ::unlinkat(m_folder.get(), m_privateName.constData(), AT_REMOVEDIR);
        m_privateFolder.reset();
        m_partial.reset();
    }

    UniqueFd m_folder;
    QByteArray m_finalName;
    QByteArray m_privateName;
    UniqueFd m_privateFolder;
    UniqueFd m_partial;
    struct stat m_privateIdentity {};
    struct stat m_partialIdentity {};
    bool m_replaced = false;
};

bool isPartialFolderName(const char* name)
{
    const QByteArray text(name);
    const qsizetype prefix = qsizetype(std::strlen(kPartialFolderPrefix));
    return text.size() == prefix + 16 && text.startsWith(kPartialFolderPrefix) &&
           std::all_of(text.begin() + prefix, text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Removes the partial outputs in the folder that this user's runs left when they were killed:
// a private folder of ours whose partial file nobody holds locked any more. A live run (or the
// encoder it left running) holds that lock for as long as it writes.
void removeEndedRunsPartials(int folderFd)
{
    DIR* entries = ::fdopendir(::dup(folderFd));
    if (!entries)
        return;
    while (const dirent* entry = ::readdir(entries)) {
        if (!isPartialFolderName(entry->d_name))
            continue;
        UniqueFd privateFd(
            ::openat(folderFd, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat folder {};
        if (!privateFd.isOpen() || ::fstat(privateFd.get(), &folder) != 0 ||
            folder.st_uid != ::geteuid() || (folder.st_mode & 077) != 0)
            continue;
        UniqueFd partial(::openat(privateFd.get(), kPartialName,
                                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat file {};
        if (!partial.isOpen() || ::fstat(partial.get(), &file) != 0 || !S_ISREG(file.st_mode) ||
            ::flock(partial.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        ::unlinkat(privateFd.get(), kPartialName, 0);
        struct stat named {};
        if (::fstatat(folderFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(named, folder))
            ::unlinkat(folderFd, entry->d_name, AT_REMOVEDIR);
    }
    ::closedir(entries);
}

// Once per folder and process: the folders a run writes into are cleaned up on its first file.
void removeEndedRunsPartialsOnce(int folderFd)
{
    static std::mutex guard;
    static QSet<QPair<quint64, quint64>> cleaned;
    struct stat folder {};
    if (::fstat(folderFd, &folder) != 0)
        return;
    {
        const std::lock_guard<std::mutex> lock(guard);
        if (!cleaned.contains({quint64(folder.st_dev), quint64(folder.st_ino)}))
            cleaned.insert({quint64(folder.st_dev), quint64(folder.st_ino)});
        else
            return;
    }
    removeEndedRunsPartials(folderFd);
}

QByteArray newPrivateName()
{
    return QByteArray(kPartialFolderPrefix) +
           QByteArray::number(QRandomGenerator::global()->generate64(), 16).rightJustified(16, '0');
}

// The folder of `output`, entered from `root` one folder at a time, each made where missing and
// none reached through a link.
UniqueFd openOutputFolder(const QString& root, const QString& output)
{
    const QString folder = FolderOfPath(output);
    QString rootFolder = root.endsWith(kNativeSeparator) ? root : root + kNativeSeparator;
    if (!folder.startsWith(rootFolder))
        rootFolder = folder;
    UniqueFd current(
        ::open(QFile::encodeName(rootFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!current.isOpen())
        throw systemFailure(
            QCoreApplication::translate("PartialOutput", "Cannot write in %1").arg(rootFolder),
            errno);
    QString reached = rootFolder;
    for (const QString& part :
         folder.mid(rootFolder.size()).split(kNativeSeparator, Qt::SkipEmptyParts)) {
        reached += part;
        const QByteArray name = QFile::encodeName(part);
        if (::mkdirat(current.get(), name.constData(), 0777) != 0 && errno != EEXIST)
            throw systemFailure(
                QCoreApplication::translate("PartialOutput", "Cannot make the folder %1")
                    .arg(reached),
                errno);
        UniqueFd next(::openat(current.get(), name.constData(),
                               O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.isOpen()) {
            struct stat info {};
            const bool isLink =
                ::fstatat(current.get(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISLNK(info.st_mode);
            throw makeFailure(
                ErrorNumber::PathFileAccessError,
                isLink ? QCoreApplication::translate("PartialOutput",
                                                     "%1 is a link, which is not followed "
                                                     "below the output folder")
                             .arg(reached)
                       : QCoreApplication::translate("PartialOutput", "%1 is not a folder")
                             .arg(reached));
        }
        current = std::move(next);
        reached += kNativeSeparator;
    }
    return current;
}

} // namespace

std::unique_ptr<PartialOutput> PosixOutputFiles::createPartial(const QString& root,
                                                               const QString& output)
{
    const QString folder = FolderOfPath(output);
    const QString cannotWrite =
        QCoreApplication::translate("PartialOutput", "Cannot write in %1").arg(folder);
    UniqueFd folderFd = openOutputFolder(root, output);
    removeEndedRunsPartialsOnce(folderFd.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray privateName = newPrivateName();
        if (::mkdirat(folderFd.get(), privateName.constData(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            throw systemFailure(cannotWrite, errno);
        }
        // Between its making and its opening another user could have put their own in its place.
        UniqueFd privateFd(::openat(folderFd.get(), privateName.constData(),
                                    O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (!privateFd.isOpen() || ::fstat(privateFd.get(), &info) != 0 ||
            info.st_uid != ::geteuid() || (info.st_mode & 077) != 0)
            throw makeFailure(ErrorNumber::PathFileAccessError,
                              cannotWrite + QStringLiteral(": another user replaced the folder "
                                                           "made for the partial output"));
        // The usual permissions of a new file, which the output keeps.
        UniqueFd partial(::openat(privateFd.get(), kPartialName,
                                  O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!partial.isOpen()) {
            const int error = errno;
            ::unlinkat(folderFd.get(), privateName.constData(), AT_REMOVEDIR);
            throw systemFailure(cannotWrite, error);
        }
        // Held by this descriptor and by the encoder's copy of it: while either lives, a later
        // run knows the partial is being written. Another run that took it for a killed run's
        // before the lock was taken has removed it: then it is made again.
        struct stat made {};
        if (::flock(partial.get(), LOCK_EX | LOCK_NB) != 0 || ::fstat(partial.get(), &made) != 0 ||
            made.st_nlink == 0) {
            ::unlinkat(privateFd.get(), kPartialName, 0);
            ::unlinkat(folderFd.get(), privateName.constData(), AT_REMOVEDIR);
            continue;
        }
        return std::make_unique<PosixPartialOutput>(
            std::move(folderFd), QFile::encodeName(FileNameOfPath(output)), privateName,
            std::move(privateFd), std::move(partial));
    }
    throw makeFailure(
        ErrorNumber::PathFileAccessError,
        QCoreApplication::translate("PartialOutput", "Cannot find an unused name in %1")
            .arg(folder));
}

} // namespace brindlecast
