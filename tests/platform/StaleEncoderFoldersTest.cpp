// SPDX-License-Identifier: GPL-3.0-or-later
// A run removes the encoder folders that runs killed outright left behind, and nothing else.
#include "platform/StaleEncoderFolders.h"

#include "platform/PosixEncoderFolders.h"
#include "support/CaseName.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

// The id of a process that has ended.
pid_t endedProcess()
{
    QProcess process;
    process.start(QStringLiteral("/bin/true"), {});
    EXPECT_TRUE(process.waitForStarted(-1));
    const pid_t pid = pid_t(process.processId());
    EXPECT_TRUE(process.waitForFinished(-1));
    return pid;
}

QString folderName(pid_t owner, const char* tail = "aB3xYz")
{
    return QStringLiteral("brindlecast-%1-%2").arg(owner).arg(QString::fromLatin1(tail));
}

// Makes a run's folder as a run leaves it: mode 0700, the encoder in it.
QString makeRunFolder(const QString& parent, const QString& name, mode_t mode = 0700)
{
    const QString folder = parent + u'/' + name;
    EXPECT_TRUE(QDir().mkpath(folder));
    QFile encoder(folder + QStringLiteral("/ffmpeg"));
    EXPECT_TRUE(encoder.open(QIODevice::WriteOnly));
    encoder.write("#!/bin/sh\n");
    EXPECT_EQ(::chmod(QFile::encodeName(folder).constData(), mode), 0);
    return folder;
}

struct StaleCase {
    const char* name;
    // Lays out one entry in the temporary folder; returns its path.
    std::function<QString(const QString& temp, const QString& elsewhere)> make;
    bool removed;
};

class StaleFolders : public ::testing::TestWithParam<StaleCase> {};

TEST_P(StaleFolders, OnlyOursOfEndedRunsGo)
{
    QTemporaryDir temp;
    QTemporaryDir elsewhere;
    const QString entry = GetParam().make(temp.path(), elsewhere.path());
    if (entry.isEmpty())
        GTEST_SKIP() << "this case needs root";
    const auto everythingIn = [](const QString& folder) {
        QStringList found;
        QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found.append(it.next());
        return found;
    };
    const QStringList elsewhereBefore = everythingIn(elsewhere.path());

    PosixEncoderFolders folders([] { return QString(); });
    const QString own = folders.createFolder(temp.path());

    EXPECT_EQ(QFileInfo(entry).isSymLink() || QFileInfo::exists(entry), !GetParam().removed);
    EXPECT_TRUE(
        QFileInfo(own).fileName().startsWith(QStringLiteral("brindlecast-%1-").arg(::getpid())));
    EXPECT_EQ(encoderFolderOwner(QFile::encodeName(QFileInfo(own).fileName())), ::getpid());
    // Nothing outside the temporary folder is touched, whatever a link there points at.
    EXPECT_EQ(everythingIn(elsewhere.path()), elsewhereBefore);
    folders.removeFolder(own);
}

INSTANTIATE_TEST_SUITE_P(
    RunStart, StaleFolders,
    ::testing::Values(
        StaleCase{"EndedRunsFolder",
                  [](const QString& temp, const QString&) {
                      return makeRunFolder(temp, folderName(endedProcess()));
                  },
                  true},
        StaleCase{"LiveRunsFolder",
                  [](const QString& temp, const QString&) {
                      return makeRunFolder(temp, folderName(::getppid()));
                  },
                  false},
        StaleCase{"OpenToOthers",
                  [](const QString& temp, const QString&) {
                      return makeRunFolder(temp, folderName(endedProcess()), 0755);
                  },
                  false},
        StaleCase{"NotOurName",
                  [](const QString& temp, const QString&) {
                      return makeRunFolder(
                          temp, QStringLiteral("brindlecast-%1-short").arg(endedProcess()));
                  },
                  false},
        StaleCase{"HoldsAFolder",
                  [](const QString& temp, const QString&) {
                      const QString folder = makeRunFolder(temp, folderName(endedProcess()));
                      ::chmod(QFile::encodeName(folder).constData(), 0700);
                      QDir().mkpath(folder + QStringLiteral("/inner"));
                      return folder;
                  },
                  false},
        StaleCase{"LinkToAFolderOfOurs",
                  [](const QString& temp, const QString& elsewhere) {
                      const QString target = makeRunFolder(elsewhere, QStringLiteral("target"));
                      const QString link = temp + u'/' + folderName(endedProcess());
                      EXPECT_EQ(::symlink(QFile::encodeName(target).constData(),
                                          QFile::encodeName(link).constData()),
                                0);
                      return link;
                  },
                  false},
        StaleCase{"OtherUsersFolder",
                  [](const QString& temp, const QString&) -> QString {
                      if (::geteuid() != 0)
                          return {};
                      const QString folder = makeRunFolder(temp, folderName(endedProcess()));
                      EXPECT_EQ(::chown(QFile::encodeName(folder).constData(), 4242, 4242), 0);
                      return folder;
                  },
                  false}),
    CaseName());

// A program still running from a folder whose run was killed keeps that folder.
TEST(StaleFolder, FromWhichAProgramRunsIsLeftAlone)
{
    QTemporaryDir temp;
    const QString folder = makeRunFolder(temp.path(), folderName(endedProcess()));
    const QString program = folder + QStringLiteral("/ffmpeg");
    QFile::remove(program);
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), program));
    QProcess running;
    running.start(program, {QStringLiteral("60")});
    ASSERT_TRUE(running.waitForStarted(-1));

    removeStaleEncoderFolders(temp.path());
    EXPECT_TRUE(QFileInfo::exists(program));

    running.kill();
    running.waitForFinished(-1);
    removeStaleEncoderFolders(temp.path());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

// Another process that holds a folder's lock until end() (or the object goes): a run that lives
// on whatever its id says.
class LockHolder {
public:
    explicit LockHolder(const QString& lockFile)
    {
        int ready[2];
        int release[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(release), 0);
        const QByteArray path = QFile::encodeName(lockFile);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(path.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW, 0600);
            const char held = fd >= 0 && ::flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
            (void)!::write(ready[1], &held, 1);
            char ignored;
            (void)!::read(release[0], &ignored, 1); // until the test lets go
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        m_release = release[1];
        char held = 'n';
        EXPECT_EQ(::read(ready[0], &held, 1), 1);
        ::close(ready[0]);
        m_held = held == 'y';
    }
    ~LockHolder() { end(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool held() const { return m_held; }

    void end()
    {
        if (m_pid <= 0)
            return;
        ::close(m_release);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = 0;
    }

private:
    pid_t m_pid = 0;
    int m_release = -1;
    bool m_held = false;
};

QString lockFileIn(const QString& folder)
{
    return folder + u'/' + QLatin1String(kEncoderFolderLockName);
}

// The id in the name is free, as a run's is when seen from another PID namespace: only the lock
// tells that the run lives.
TEST(StaleFolder, WhoseLockIsHeldStaysUntilItsHolderEnds)
{
    QTemporaryDir temp;
    const QString folder = makeRunFolder(temp.path(), folderName(endedProcess()));
    LockHolder holder(lockFileIn(folder));
    ASSERT_TRUE(holder.held());

    removeStaleEncoderFolders(temp.path());
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/ffmpeg")));

    holder.end();
    removeStaleEncoderFolders(temp.path());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

// Even a folder named for a live process goes once its lock is free: the id may be another's.
TEST(StaleFolder, WhoseLockIsFreeGoesWhateverItsName)
{
    QTemporaryDir temp;
    const QString folder = makeRunFolder(temp.path(), folderName(::getppid()));
    {
        LockHolder holder(lockFileIn(folder));
    }

    removeStaleEncoderFolders(temp.path());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST(StaleFolder, WhoseLockIsNoFileOfOursStays)
{
    QTemporaryDir temp;
    const QString folder = makeRunFolder(temp.path(), folderName(endedProcess()));
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    ASSERT_EQ(::symlink("/dev/null", QFile::encodeName(lockFileIn(folder)).constData()), 0);

    removeStaleEncoderFolders(temp.path());
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/ffmpeg")));
}

// A run's own folder holds its lock for as long as the run keeps it, under any name.
TEST(StaleFolder, OfALiveRunStaysWhenItsNameSaysOtherwise)
{
    QTemporaryDir temp;
    PosixEncoderFolders run([] { return QString(); });
    const QString own = run.createFolder(temp.path());
    const QString renamed = temp.filePath(folderName(endedProcess()));
    ASSERT_TRUE(QDir().rename(own, renamed));

    PosixEncoderFolders next([] { return QString(); });
    const QString nextOwn = next.createFolder(temp.path());
    EXPECT_TRUE(QFileInfo::exists(lockFileIn(renamed)));
    next.removeFolder(nextOwn);

    ASSERT_TRUE(QDir().rename(renamed, own));
    run.removeFolder(own);
    EXPECT_FALSE(QFileInfo::exists(own));
}

// A container's run and the host's share the temporary folder but not their process ids.
TEST(StaleFolder, OfARunInAnotherPidNamespaceStays)
{
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    const QString flock = QStandardPaths::findExecutable(QStringLiteral("flock"));
    if (::geteuid() != 0 || unshare.isEmpty() || flock.isEmpty())
        GTEST_SKIP() << "needs root, unshare and flock to start a run in a new PID namespace";
    QTemporaryDir temp;
    // An id that names no process here, for the holder to get in its namespace.
    pid_t freeHere = 300;
    while (::kill(freeHere, 0) == 0 || errno != ESRCH)
        ++freeHere;
    // In the namespace: ids are spent until the next is that one, the lock is held by a process
    // of that id until its input closes, and the folder is named for it.
    const QString script = QStringLiteral(
        "umask 077; d=\"$1/brindlecast-1-nsHeld\"; mkdir \"$d\" && : >\"$d/ffmpeg\" && "
        ": >\"$d/.lock\" || exit 1; "
        "while [ \"$(sh -c 'echo $$')\" -lt $(($2 - 1)) ]; do :; done; "
        "flock -x \"$d/.lock\" sh -c 'echo $PPID; read line'");
    QProcess holder;
    holder.start(unshare, {QStringLiteral("-pf"), QStringLiteral("sh"), QStringLiteral("-c"),
                           script, QStringLiteral("sh"), temp.path(), QString::number(freeHere)});
    ASSERT_TRUE(holder.waitForStarted(-1));
    if (!holder.waitForReadyRead(-1)) {
        holder.waitForFinished(-1);
        GTEST_SKIP() << "unshare -pf is not permitted here: "
                     << holder.readAllStandardError().toStdString();
    }
    const pid_t inNamespace = QString::fromLocal8Bit(holder.readLine()).trimmed().toInt();
    const QString folder = temp.filePath(folderName(inNamespace, "nsHeld"));
    ASSERT_TRUE(QDir().rename(temp.filePath(QStringLiteral("brindlecast-1-nsHeld")), folder));
    ASSERT_TRUE(QFileInfo::exists(lockFileIn(folder))) << folder.toStdString();

    PosixEncoderFolders run([] { return QString(); });
    const QString own = run.createFolder(temp.path());
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/ffmpeg")));
    run.removeFolder(own);

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(-1));
    removeStaleEncoderFolders(temp.path());
    EXPECT_FALSE(QFileInfo::exists(folder));
}

} // namespace
} // namespace brindlecast::test
