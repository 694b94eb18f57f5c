// SPDX-License-Identifier: GPL-3.0-or-later
// The window's program killed outright (SIGKILL) while two encoders work: it can clean nothing
// up, yet the final names hold only what was there before, so a later --skip-existing takes no
// cut-off file for finished work.
#include "batch/CommandLineFixture.h"
#include "support/ProcessWatch.h"
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <memory>
#include <vector>

namespace brindlecast::test {
namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

class KilledWindow : public CommandLineFixture {
protected:
    // The names a user sees in the work folder: the hidden partial files left out.
    QStringList visibleFiles() const { return QDir(m_work.path()).entryList(QDir::Files); }

    // Starts the window's stand-in on the inputs, with settings, home and TEMP of the test's own,
    // and waits until both encoders hold their partial files open.
    void startWindow(QProcess& window, const QStringList& inputs)
    {
        ASSERT_TRUE(m_home.isValid());
        QProcessEnvironment environment = this->environment();
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           m_home.filePath(QStringLiteral("config")));
        window.setProcessEnvironment(environment);
        window.setProgram(QStringLiteral(BRINDLECAST_WINDOW_RUN_HELPER));
        window.setArguments(QStringList{QStringLiteral("2")} + inputs);
        window.setStandardInputFile(QProcess::nullDevice());
        window.start();
        ASSERT_TRUE(window.waitForStarted());
        QDeadlineTimer deadline(60000);
        QByteArray out;
        while (!out.contains("encoding\n") && window.state() == QProcess::Running &&
               !deadline.hasExpired()) {
            window.waitForReadyRead(1000);
            out += window.readAllStandardOutput();
        }
        ASSERT_TRUE(out.contains("encoding\n"))
            << out.toStdString() << window.readAllStandardError().toStdString();
    }

    QTemporaryDir m_home;
};

TEST_F(KilledWindow, LeavesTheFinalNamesAsTheyWereAndSkipExistingFindsNoCutOffFile)
{
    const QString kept = makeWav(QStringLiteral("kept.wav"), 60);
    const QString fresh = makeWav(QStringLiteral("fresh.wav"), 60);
    const QString keptOutput = workPath(QStringLiteral("kept.aac"));
    const QString freshOutput = workPath(QStringLiteral("fresh.aac"));
    // An earlier run's whole output: only such a one is up to date.
    ASSERT_EQ(
        run({QStringLiteral("--convert"), QStringLiteral("--bit-rate"), QStringLiteral("64"), kept})
            .status,
        0);
    const QByteArray old = contentOf(keptOutput);
    ASSERT_GT(old.size(), 1000);
    const QStringList before = visibleFiles();

    QProcess window;
    startWindow(window, {kept, fresh});
    if (HasFatalFailure())
        return;
    // Its encoders are its only children; they are held here to see that they end with it.
    std::vector<std::unique_ptr<WatchedProcess>> encoders;
    for (const pid_t child : childrenOf(pid_t(window.processId())))
        encoders.push_back(std::make_unique<WatchedProcess>(child));
    EXPECT_EQ(encoders.size(), 2u);
    ASSERT_EQ(::kill(pid_t(window.processId()), SIGKILL), 0);
    ASSERT_TRUE(window.waitForFinished(60000));
    EXPECT_EQ(window.exitStatus(), QProcess::CrashExit);
    // They end with it, and write no more.
    for (const auto& encoder : encoders) {
        EXPECT_TRUE(encoder->waitForEnd(10000)) << "an encoder outlived the killed window";
        encoder->kill();
        EXPECT_TRUE(encoder->waitForEnd(60000));
    }

    EXPECT_EQ(contentOf(keptOutput), old);
    EXPECT_FALSE(QFileInfo::exists(freshOutput));
    EXPECT_EQ(visibleFiles(), before);

    const Result result = run({QStringLiteral("--convert"), QStringLiteral("--skip-existing"),
                               QStringLiteral("--bit-rate"), QStringLiteral("64"), kept, fresh});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(
        QStringLiteral("skipped %1 (%2 is up to date)\n").arg(kept, keptOutput)))
        << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("converted %1 -> %2\n").arg(fresh, freshOutput)))
        << result.out.toStdString();
    EXPECT_EQ(contentOf(keptOutput), old);
    EXPECT_GT(QFileInfo(freshOutput).size(), 0);
    // The killed run's partial files went with the next run into the folder.
    EXPECT_TRUE(partialFiles(m_work.path()).isEmpty())
        << partialFiles(m_work.path()).join(u' ').toStdString();
}

} // namespace
} // namespace brindlecast::test
