// SPDX-License-Identifier: GPL-3.0-or-later
// Another local user who can write where the outputs go must not be able to steer the run's
// writes, and names swapped under the run must neither hang it nor feed it another file.
#include "batch/CommandLineFixture.h"
#include "support/FileContents.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace brindlecast::test {
namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A second user, made for the test and removed after it; root only.
class SecondUser {
public:
    SecondUser() : m_name(QStringLiteral("bcprobe%1").arg(::getpid() % 100000).toLatin1())
    {
        if (::geteuid() != 0)
            return;
        QProcess add;
        add.start(QStringLiteral("useradd"),
                  {QStringLiteral("--no-create-home"), QStringLiteral("--shell"),
                   QStringLiteral("/bin/sh"), QString::fromLatin1(m_name)});
        if (add.waitForFinished(30000) && add.exitCode() == 0)
            m_made = ::getpwnam(m_name.constData()) != nullptr;
    }
    ~SecondUser()
    {
        if (!m_made)
            return;
        QProcess remove;
        remove.start(QStringLiteral("userdel"), {QString::fromLatin1(m_name)});
        remove.waitForFinished(30000);
    }
    SecondUser(const SecondUser&) = delete;
    SecondUser& operator=(const SecondUser&) = delete;

    bool exists() const { return m_made; }

    // Runs a shell command as this user; true when it succeeded.
    bool run(const QString& command) const
    {
        QProcess shell;
        shell.start(QStringLiteral("runuser"),
                    {QStringLiteral("-u"), QString::fromLatin1(m_name), QStringLiteral("--"),
                     QStringLiteral("sh"), QStringLiteral("-c"), command});
        return shell.waitForFinished(30000) && shell.exitCode() == 0;
    }

private:
    QByteArray m_name;
    bool m_made = false;
};

class HostileUser : public CommandLineFixture {
protected:
    void SetUp() override
    {
        CommandLineFixture::SetUp();
        if (::geteuid() != 0)
            GTEST_SKIP() << "playing another user needs root";
        if (!m_user.exists())
            GTEST_SKIP() << "no second user could be made (useradd)";
        // The other user reaches the output folder, which is open to all and not sticky.
        ASSERT_EQ(::chmod(QFile::encodeName(m_work.path()).constData(), 0755), 0);
        ASSERT_TRUE(QDir().mkpath(workPath(QStringLiteral("out"))));
        ASSERT_EQ(::chmod(QFile::encodeName(workPath(QStringLiteral("out"))).constData(), 0777), 0);
        // Root's own files elsewhere, which nothing may touch.
        ASSERT_TRUE(QDir().mkpath(workPath(QStringLiteral("roots"))));
        writeFile(workPath(QStringLiteral("roots/part")), "root's own");
        writeFile(workPath(QStringLiteral("roots/a.aac")), "root's own");
    }

    void expectRootsFilesUntouched()
    {
        EXPECT_EQ(contentOf(workPath(QStringLiteral("roots/part"))), QByteArray("root's own"));
        EXPECT_EQ(contentOf(workPath(QStringLiteral("roots/a.aac"))), QByteArray("root's own"));
        EXPECT_EQ(QDir(workPath(QStringLiteral("roots")))
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  (QStringList{QStringLiteral("a.aac"), QStringLiteral("part")}));
    }

    SecondUser m_user;
};

// While the encoder writes, the other user moves the run's private folder away and puts a link
// to root's folder in its place: the encoder goes on writing its own file, which becomes the
// output, and nothing of root's is written.
TEST_F(HostileUser, CannotSwapThePartialOutputForALink)
{
    useWrappedEncoder(QStringLiteral("-re"));
    makeWav(QStringLiteral("a.wav"), 2.0);
    QProcess program;
    start(program, {QStringLiteral("--convert"), QStringLiteral("--output-folder"),
                    workPath(QStringLiteral("out")), QStringLiteral("a.wav")});
    QDeadlineTimer deadline(30000);
    QStringList partials;
    while (!deadline.hasExpired() &&
           (partials = partialFiles(workPath(QStringLiteral("out")))).isEmpty())
        program.waitForFinished(20);
    ASSERT_EQ(partials.size(), 1);
    ASSERT_TRUE(m_user.run(QStringLiteral("mv '%1' '%2' && ln -s '%3' '%1'")
                               .arg(partials[0], workPath(QStringLiteral("out/moved")),
                                    workPath(QStringLiteral("roots")))));

    const Result result = resultOf(program);

    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    expectRootsFilesUntouched();
    const QFileInfo output(workPath(QStringLiteral("out/a.aac")));
    EXPECT_TRUE(output.isFile() && !output.isSymLink());
    EXPECT_EQ(output.ownerId(), 0u);
    EXPECT_TRUE(contentOf(output.filePath()).startsWith("ID3")) << output.size();
}

// A link planted where --keep-folders makes a subfolder fails that file, naming the link; the
// file is never written through it.
TEST_F(HostileUser, CannotPlantASubfolderLinkUnderKeepFolders)
{
    makeWav(QStringLiteral("in/sub/a.wav"));
    makeWav(QStringLiteral("in/b.wav"));
    ASSERT_TRUE(m_user.run(
        QStringLiteral("ln -s '%1' '%2'")
            .arg(workPath(QStringLiteral("roots")), workPath(QStringLiteral("out/sub")))));

    const Result result = run({QStringLiteral("--convert"), QStringLiteral("--keep-folders"),
                               QStringLiteral("--output-folder"), workPath(QStringLiteral("out")),
                               QStringLiteral("in")});

    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(
        QStringLiteral("%1 is a link, which is not followed below the output folder")
            .arg(workPath(QStringLiteral("out/sub")))))
        << result.err.toStdString();
    EXPECT_TRUE(
        result.out.contains(QStringLiteral("-> %1").arg(workPath(QStringLiteral("out/b.aac")))));
    expectRootsFilesUntouched();
    EXPECT_TRUE(partialFiles(workPath(QStringLiteral("out"))).isEmpty());
}

using SwappedNames = CommandLineFixture;

// Each input name is exchanged with a FIFO's every 2 ms while the run works: the run never hangs
// on a FIFO, and each file is either converted from its real audio or failed with a reason.
TEST_F(SwappedNames, AFifoSwappedInNeitherHangsTheRunNorIsRead)
{
    const QStringList names{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                            QStringLiteral("d")};
    QList<QByteArray> wavs;
    QList<QByteArray> fifos;
    for (const QString& name : names) {
        wavs << QFile::encodeName(makeWav(name + QStringLiteral(".wav"), 0.3));
        fifos << QFile::encodeName(workPath(name + QStringLiteral(".fifo")));
        ASSERT_EQ(::mkfifo(fifos.last().constData(), 0600), 0);
    }
    std::atomic<bool> swapping{true};
    std::thread exchanger([&] {
        while (swapping) {
            for (qsizetype i = 0; i < wavs.size(); ++i)
                ::renameat2(AT_FDCWD, wavs[i].constData(), AT_FDCWD, fifos[i].constData(),
                            RENAME_EXCHANGE);
            ::usleep(2000);
        }
    });

    QStringList arguments{QStringLiteral("--convert"), QStringLiteral("--jobs=2")};
    for (const QString& name : names)
        arguments << name + QStringLiteral(".wav");
    const Result result = run(arguments); // fails the test if it does not end within 2 minutes

    swapping = false;
    exchanger.join();
    EXPECT_TRUE(result.status == 0 || result.status == 1) << result.status;
    for (const QString& name : names) {
        const QString input = workPath(name + QStringLiteral(".wav"));
        const bool converted = result.out.contains(QStringLiteral("converted %1 ->").arg(input));
        const bool failed = result.err.contains(
            QStringLiteral("failed %1: the input is missing or not a regular file").arg(input));
        EXPECT_NE(converted, failed) << name.toStdString() << '\n'
                                     << result.out.toStdString() << result.err.toStdString();
        if (converted) {
            EXPECT_GT(QFileInfo(workPath(name + QStringLiteral(".aac"))).size(), 1000);
        }
    }
    EXPECT_TRUE(partialFiles(m_work.path()).isEmpty());
}

} // namespace
} // namespace brindlecast::test
