// SPDX-License-Identifier: GPL-3.0-or-later
// A run killed outright (SIGKILL, a power loss) leaves its partial output in its private folder;
// a later run writing there removes it, but never one that a live run still writes.
#include "batch/CommandLineFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

class EndedRunsPartials : public CommandLineFixture {
protected:
    // A private folder with a partial file in it, as a run makes them.
    QString plantPartial(const QString& name, mode_t mode = 0700)
    {
        const QString folder = workPath(QStringLiteral("out/") + name);
        EXPECT_TRUE(QDir().mkpath(folder));
        EXPECT_EQ(::chmod(QFile::encodeName(folder).constData(), mode), 0);
        QFile part(folder + QStringLiteral("/part"));
        EXPECT_TRUE(part.open(QIODevice::WriteOnly));
        part.write("half an encode");
        return folder;
    }

    // A process that holds the partial's lock, as a live run or its encoder does.
    pid_t holdLock(const QString& folder)
    {
        const QByteArray path = QFile::encodeName(folder + QStringLiteral("/part"));
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            const int fd = ::open(path.constData(), O_RDONLY);
            ::flock(fd, LOCK_EX);
            [[maybe_unused]] const ssize_t written = ::write(ready[1], "x", 1);
            ::pause();
            ::_exit(0);
        }
        char byte = 0;
        EXPECT_EQ(::read(ready[0], &byte, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        return child;
    }

    Result convertInto()
    {
        return run({QStringLiteral("--convert"), QStringLiteral("--output-folder"),
                    workPath(QStringLiteral("out")), QStringLiteral("a.wav")});
    }
};

TEST_F(EndedRunsPartials, AreRemovedByTheNextRunUnlessALiveRunHoldsThem)
{
    makeWav(QStringLiteral("a.wav"));
    const QString ended = plantPartial(QStringLiteral(".brindlecast-0123456789abcdef"));
    const QString live = plantPartial(QStringLiteral(".brindlecast-fedcba9876543210"));
    const QString openToOthers =
        plantPartial(QStringLiteral(".brindlecast-00000000000000aa"), 0755);
    const QString otherName = plantPartial(QStringLiteral(".brindlecast-notours"));
    const pid_t holder = holdLock(live);

    EXPECT_EQ(convertInto().status, 0);

    EXPECT_FALSE(QFileInfo::exists(ended));
    EXPECT_TRUE(QFileInfo::exists(live + QStringLiteral("/part")));
    EXPECT_TRUE(QFileInfo::exists(openToOthers + QStringLiteral("/part")));
    EXPECT_TRUE(QFileInfo::exists(otherName + QStringLiteral("/part")));
    EXPECT_GT(QFileInfo(workPath(QStringLiteral("out/a.aac"))).size(), 0);

    // Once its holder has ended, the next run takes it for a killed run's.
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(convertInto().status, 0);
    EXPECT_FALSE(QFileInfo::exists(live));
    EXPECT_TRUE(QFileInfo::exists(openToOthers + QStringLiteral("/part")));
}

} // namespace
} // namespace brindlecast::test
