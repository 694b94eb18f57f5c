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
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
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

} // namespace
} // namespace brindlecast::test
