#include "app/PathHelpers.h"

#include "platform/Failure.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

namespace {

bool statPath(const QString& path, struct stat& info)
{
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

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

bool FileExists(const QString& path)
{
    struct stat info {};
    return statPath(path, info);
}

bool FolderExists(const QString& path)
{
    struct stat info {};
    return statPath(path, info) && S_ISDIR(info.st_mode);
}

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
    if (!path.startsWith(separator))
        return collapsePairs(path, separator);

    qsizetype rest = 1;
    while (rest < path.size() && path[rest] == separator)
        ++rest;
    // Only "\" paths know a network prefix; a POSIX path has one root.
    const QString prefix = separator == u'\\' ? QStringLiteral("\\\\") : QString(separator);
    return prefix + collapsePairs(QStringView(path).mid(rest), separator);
}

void DeleteFileQuietly(const QString& path)
{
    QCoreApplication::processEvents();
    try {
        DeleteFileForced(path);
    } catch (const Failure&) {
        // Quiet by contract: callers that care check afterwards whether the file is gone.
    }
}

void DeleteFileForced(const QString& path)
{
    // A file's own write bit does not guard its removal on POSIX, so one unlink also removes
    // read-only files; only the folder's permissions can refuse it.
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (path.isEmpty() || ::lstat(name.constData(), &info) != 0)
        throw Failure(QStringLiteral("File not found"), 53);
    if (S_ISDIR(info.st_mode))
        throw Failure(QStringLiteral("Path is a folder, not a file"), 75);
    if (::unlink(name.constData()) != 0)
        throw Failure(QString::fromLocal8Bit(std::strerror(errno)), 70);
}

} // namespace brindlecast
