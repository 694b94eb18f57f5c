// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/CommandLineFixture.h"

#include "support/PartialFiles.h"
#include "wav/WavFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace brindlecast::test {

namespace {

QByteArray littleEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const QByteArray& id, QByteArray payload)
{
    const quint32 size = quint32(payload.size());
    if (payload.size() % 2 != 0)
        payload.append('\0');
    return id + littleEndian32(size) + payload;
}

QByteArray infoChunk()
{
    QByteArray entries = "INFO";
    const QList<QPair<QByteArray, QByteArray>> tags{
        {"INAM", "Evening Song"}, {"IART", "The Choir"},  {"IPRD", "Rehearsals"}, {"ITRK", "7"},
        {"ICRD", "2019"},         {"ICMT", "second take"}};
    for (const auto& [id, text] : tags)
        entries += chunk(id, text + '\0');
    return chunk("LIST", entries);
}

QByteArray id3Frame(const QByteArray& id, const QByteArray& text)
{
    QByteArray payload = '\0' + text; // ISO-8859-1
    QByteArray size(4, '\0');
    qToBigEndian(quint32(payload.size()), size.data());
    return id + size + QByteArray(2, '\0') + payload;
}

QByteArray id3v2Chunk()
{
    const QByteArray frames = id3Frame("TIT2", "Evening Song") + id3Frame("TPE1", "The Choir");
    QByteArray header = "ID3";
    header += char(3);
    header += char(0);
    header += char(0);
    const quint32 size = quint32(frames.size());
    for (int shift : {21, 14, 7, 0})
        header += char((size >> shift) & 0x7F);
    return chunk("id3 ", header + frames);
}

} // namespace

void CommandLineFixture::SetUp()
{
    ASSERT_TRUE(m_work.isValid());
    ASSERT_TRUE(m_temp.isValid());
    m_path = qEnvironmentVariable("PATH");
}

void CommandLineFixture::TearDown()
{
    if (!m_bin.isEmpty())
        QDir(m_bin).removeRecursively();
}

void CommandLineFixture::useWrappedEncoder(const QString& options)
{
    const QString real = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    ASSERT_FALSE(real.isEmpty());
    // Beside TEMP, not in it: TEMP must be empty after every run.
    m_bin = m_temp.path() + QStringLiteral("-bin");
    ASSERT_TRUE(QDir().mkpath(m_bin));
    QFile script(m_bin + QStringLiteral("/ffmpeg"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nexec '%1' %2 \"$@\"\n").arg(real, options).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_path = m_bin + u':' + m_path;
}

QString CommandLineFixture::makeWav(const QString& relative, double seconds)
{
    const QString path = workPath(relative);
    EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    EXPECT_TRUE(writeWav(path, {8000, 1, 16, seconds}));
    return path;
}

QString CommandLineFixture::makeTaggedWav(const QString& relative, bool id3Chunk)
{
    const QString path = workPath(relative);
    QByteArray bytes = wavBytes({8000, 1, 16, 0.5});
    bytes += id3Chunk ? id3v2Chunk() : infoChunk();
    qToLittleEndian(quint32(bytes.size() - 8), bytes.data() + 4);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QProcessEnvironment CommandLineFixture::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("TEMP"), m_temp.path());
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_cache.path());
    environment.insert(QStringLiteral("PATH"), m_path);
    return environment;
}

void CommandLineFixture::start(QProcess& process, const QStringList& arguments)
{
    process.setProgram(QStringLiteral(BRINDLECAST_EXECUTABLE));
    process.setArguments(arguments);
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(m_work.path());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    ASSERT_TRUE(process.waitForStarted());
}

CommandLineFixture::Result CommandLineFixture::resultOf(QProcess& process)
{
    EXPECT_TRUE(process.waitForFinished(120000));
    Result result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

int CommandLineFixture::runWithStreams(const QList<QByteArray>& arguments,
                                       const std::array<QByteArray, 3>& streams)
{
    std::vector<QByteArray> argumentBytes{QByteArrayLiteral(BRINDLECAST_EXECUTABLE)};
    for (const QByteArray& argument : arguments)
        argumentBytes.push_back(argument);
    std::vector<char*> argv;
    for (QByteArray& argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> environmentBytes;
    QProcessEnvironment named = environment();
    for (const QByteArray& entry : m_rawEnvironment)
        named.remove(QString::fromUtf8(entry.left(entry.indexOf('='))));
    for (const QString& entry : named.toStringList())
        environmentBytes.push_back(entry.toUtf8());
    for (const QByteArray& entry : m_rawEnvironment)
        environmentBytes.push_back(entry);
    std::vector<char*> envp;
    for (QByteArray& entry : environmentBytes)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray folder = QFile::encodeName(m_work.path());
    posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    for (int fd = 0; fd < 3; ++fd) {
        if (streams[fd].isEmpty())
            posix_spawn_file_actions_addclose(&actions, fd);
        else
            posix_spawn_file_actions_addopen(&actions, fd, streams[fd].constData(),
                                             fd == 0 ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC,
                                             0600);
    }
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        ADD_FAILURE() << "cannot start the program: " << std::strerror(failed);
        return -1;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

CommandLineFixture::Result CommandLineFixture::run(const QStringList& arguments)
{
    QProcess process;
    start(process, arguments);
    return resultOf(process);
}

QStringList CommandLineFixture::temporaryEntries() const
{
    return QDir(m_temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QStringList CommandLineFixture::partialFiles(const QString& folder) const
{
    return partialFilesIn(folder, true);
}

QMap<QString, QString> CommandLineFixture::tagsReadBack(const QString& path)
{
    QProcess probe;
    probe.start(QStringLiteral("ffprobe"),
                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                 QStringLiteral("format_tags"), QStringLiteral("-of"),
                 QStringLiteral("default=noprint_wrappers=1"), path});
    EXPECT_TRUE(probe.waitForFinished(60000));
    QMap<QString, QString> tags;
    for (const QString& line : QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n')) {
        if (!line.startsWith(QLatin1String("TAG:")))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        tags.insert(line.mid(4, equals - 4).toLower(), line.mid(equals + 1));
    }
    return tags;
}

} // namespace brindlecast::test
