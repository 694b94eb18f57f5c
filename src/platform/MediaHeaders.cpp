// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MediaHeaders.h"

#include "core/PcmWaveHeader.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

namespace {

// A regular file opened for reading, or none.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path)
    {
        if (path.isEmpty() || path.contains(QChar(0)))
            return;
        m_fd = ::open(QFile::encodeName(path).constData(),
                      O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        struct stat info {};
        if (m_fd >= 0 && ::fstat(m_fd, &info) == 0 && S_ISREG(info.st_mode))
            m_size = info.st_size;
    }
    ~ReadOnlyFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // -1 when there is no regular file.
    qint64 size() const { return m_size; }

    QByteArray bytesAt(qint64 offset, qint64 length) const
    {
        QByteArray bytes(qsizetype(std::max<qint64>(0, length)), Qt::Uninitialized);
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::pread(m_fd, bytes.data() + got, bytes.size() - got, offset + got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        bytes.truncate(got);
        return bytes;
    }

private:
    int m_fd = -1;
    qint64 m_size = -1;
};

} // namespace

std::optional<double> pcmWaveFileSeconds(const QString& path)
{
    const ReadOnlyFile file(path);
    if (file.size() < 0)
        return std::nullopt;
    return pcmWaveSeconds(file.size(), [&file](qint64 offset, qint64 length) {
        return file.bytesAt(offset, length);
    });
}

bool startsAsMp4(const QString& path)
{
    const ReadOnlyFile file(path);
    return file.size() >= 8 && file.bytesAt(4, 4) == "ftyp";
}

} // namespace brindlecast
