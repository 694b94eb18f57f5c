// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FileAacEncoderCache.h"

#include "core/AacEncoderRecord.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace brindlecast {

namespace {

// Far more than a record takes; a larger file is not one.
constexpr qint64 kLargestRecord = 4096;
constexpr qsizetype kCompareBlock = 64 * 1024;
constexpr mode_t kOthersMayWrite = S_IWGRP | S_IWOTH;

// An open descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Hands the descriptor over to the caller, who closes it.
    int release() { return std::exchange(m_fd, -1); }
    // Closes it now, telling whether that went well (a write may fail only here).
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool isNameable(const QString& path)
{
    return !path.isEmpty() && !path.contains(QChar(0));
}

EncoderFileState stateOf(const QByteArray& path, const struct stat& info)
{
    return {path,
            quint64(info.st_dev),
            quint64(info.st_ino),
            qint64(info.st_size),
            qint64(info.st_mtim.tv_sec),
            qint64(info.st_mtim.tv_nsec),
            qint64(info.st_ctim.tv_sec),
            qint64(info.st_ctim.tv_nsec)};
}

bool sameState(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// Reads up to size bytes; fewer where the file ends, nothing on an error.
QByteArray readUpTo(int fd, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, bytes.data() + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {};
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

// The state of the encoder file at the path, read through one descriptor that also shows it
// still holds exactly these bytes (and did not change while they were compared); nullopt
// otherwise. The answer kept is then the one those very bytes gave.
std::optional<EncoderFileState> stateHolding(const QString& sourcePath, const QByteArray& bytes)
{
    const QByteArray path = QFile::encodeName(sourcePath);
    const Descriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat before {};
    if (!file.isOpen() || ::fstat(file.get(), &before) != 0 || !S_ISREG(before.st_mode) ||
        before.st_size != bytes.size())
        return std::nullopt;
    for (qsizetype at = 0; at <= bytes.size(); at += kCompareBlock) {
        const qsizetype wanted = std::min(kCompareBlock, bytes.size() - at);
        // One byte more than is left: the file must end where the bytes do.
        const QByteArray block = readUpTo(file.get(), wanted + (wanted < kCompareBlock ? 1 : 0));
        if (QByteArrayView(block) != QByteArrayView(bytes).sliced(at, wanted))
            return std::nullopt;
    }
    struct stat after {};
    if (::fstat(file.get(), &after) != 0 || !sameState(before, after))
        return std::nullopt;
    return stateOf(path, before);
}

// The folder, opened as itself (not through a link), when it is this user's own and nobody
// else may write in it; with forWriting, it is made first when missing (its parent too) and
// closed to everyone else. Not open otherwise.
int openOwnFolder(const QString& folder, bool forWriting)
{
    if (!isNameable(folder))
        return -1;
    const QByteArray name = QFile::encodeName(folder);
    if (forWriting) {
        // Errors show below, when the folder cannot be opened as it must be.
        const qsizetype slash = name.lastIndexOf('/');
        if (slash > 0)
            ::mkdir(name.left(slash).constData(), 0700);
        ::mkdir(name.constData(), 0700);
    }
    Descriptor fd(::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!fd.isOpen() || ::fstat(fd.get(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid())
        return -1;
    if (forWriting && (info.st_mode & 077) != 0) {
        if (::fchmod(fd.get(), 0700) != 0)
            return -1;
    } else if ((info.st_mode & kOthersMayWrite) != 0) {
        return -1;
    }
    return fd.release();
}

} // namespace

QString userCacheFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/brindlecast-studio");
}

FileAacEncoderCache::FileAacEncoderCache(QString folder) : m_folder(std::move(folder)) {}

std::optional<QString> FileAacEncoderCache::recall(const QString& sourcePath,
                                                   const QByteArray& encoderBytes)
{
    if (!isNameable(sourcePath))
        return std::nullopt;
    const QByteArray path = QFile::encodeName(sourcePath);
    struct stat source {};
    if (::stat(path.constData(), &source) != 0 || !S_ISREG(source.st_mode) ||
        source.st_size != encoderBytes.size())
        return std::nullopt;
    const Descriptor folder(openOwnFolder(m_folder, false));
    if (!folder.isOpen())
        return std::nullopt;
    // Never through a link, and never waiting on a FIFO put in its place.
    const QByteArray name = QFile::encodeName(aacEncoderRecordName(path));
    const Descriptor file(::openat(folder.get(), name.constData(),
                                   O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::geteuid() || (info.st_mode & kOthersMayWrite) != 0 ||
        info.st_size > kLargestRecord)
        return std::nullopt;
    return aacEncoderOfRecord(readUpTo(file.get(), kLargestRecord + 1), stateOf(path, source));
}

void FileAacEncoderCache::remember(const QString& sourcePath, const QByteArray& encoderBytes,
                                   const QString& aacEncoder)
{
    if (!isNameable(sourcePath))
        return;
    const std::optional<EncoderFileState> state = stateHolding(sourcePath, encoderBytes);
    if (!state)
        return;
    const QByteArray record = aacEncoderRecord(*state, aacEncoder);
    if (record.isEmpty())
        return;
    const Descriptor folder(openOwnFolder(m_folder, true));
    if (!folder.isOpen())
        return;
    const QByteArray name = QFile::encodeName(aacEncoderRecordName(state->path));
    const QByteArray temporary =
        '.' + name + '-' + QByteArray::number(QRandomGenerator::system()->generate64(), 16);
    Descriptor file(::openat(folder.get(), temporary.constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.isOpen())
        return;
    const bool written = writeAll(file.get(), record);
    if (!file.close() || !written ||
        ::renameat(folder.get(), temporary.constData(), folder.get(), name.constData()) != 0)
        ::unlinkat(folder.get(), temporary.constData(), 0);
}

} // namespace brindlecast
