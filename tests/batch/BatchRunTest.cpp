// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchRun.h"

#include "batch/RecordingConsole.h"
#include "platform/ChildProcess.h"
#include "platform/EncoderFolders.h"
#include "platform/ExitCleanup.h"
#include "platform/MediaInfoLibrary.h"
#include "platform/OutputFiles.h"
#include "platform/PosixFileSystem.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// An encoder that writes "new sound" into its output at once and ends at the next look with
// the exit code it was given, telling why in the words the real one uses.
class FakeEncoder final : public ChildProcess {
public:
    FakeEncoder(int exitCode, QStringList& rates) : m_exitCode(exitCode), m_rates(rates) {}

    int start(const ProcessCommand& command) override
    {
        m_rates << command.arguments.value(command.arguments.indexOf(QStringLiteral("-ab")) + 1);
        m_output = command.arguments.last();
        writeFile(m_output.mid(int(qstrlen("file:"))), "new sound");
        return 0;
    }
    bool waitForEnd(int) override { return true; }
    void endNow() override {}
    int exitCode() const override { return m_exitCode; }
    QString errorOutputTail() const override
    {
        return m_exitCode == 0
                   ? QString()
                   : QStringLiteral("Error writing %1: No space left on device\n").arg(m_output);
    }
    QByteArray standardOutput() const override { return {}; }

private:
    int m_exitCode;
    QStringList& m_rates;
    QString m_output;
};

// The one encoder of the run, trusted as the test says.
class FakeEncoderFolders final : public EncoderFolders {
public:
    explicit FakeEncoderFolders(const bool& trusted) : m_trusted(trusted) {}
    QString createFolder(const QString&) override { return {}; }
    QString deploy(const QByteArray&, const QString&) override { return {}; }
    bool isTrusted(const QString&) const override { return m_trusted; }
    void removeFolder(const QString&) override {}

private:
    const bool& m_trusted;
};

// The run's rules with fake encoders on real files: which rate each file gets, what a failure
// leaves, what the run refuses to start.
class BatchRunRules : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_folder.filePath(name); }

    PlannedFile file(const QString& name)
    {
        writeFile(path(name + QStringLiteral(".wav")), "RIFF....WAVE");
        return {path(name + QStringLiteral(".wav")), path(name + QStringLiteral(".aac"))};
    }

    void run(QList<PlannedFile> plan)
    {
        BatchOptions options;
        options.jobs = 2;
        const ConversionServices conversion{m_dialogs,
                                            m_fileSystem,
                                            m_folders,
                                            m_cleanup,
                                            m_outputs,
                                            [this]() -> MediaInfoLibrary& { return m_mediaInfo; },
                                            [this]() -> std::unique_ptr<ChildProcess> {
                                                ++starts;
                                                return std::make_unique<FakeEncoder>(
                                                    exitCodes.value(int(m_started++), 0), rates);
                                            },
                                            [] { return QString(); },
                                            [] { return QStringLiteral("64"); },
                                            [](int) { return QByteArray(); }};
        BatchRunServices services{conversion, console, [] {},
                                  [this](const QString& input) { return ownRates.value(input); },
                                  [] { return 1.0; }};
        BatchRun batch(options, std::move(plan),
                       {QStringLiteral("/enc/ffmpeg"), QStringLiteral("aac")}, std::move(services));
        EXPECT_TRUE(batch.run());
        counts = batch.counts();
    }

    QStringList partials() const
    {
        return QDir(m_folder.path())
            .entryList({QStringLiteral(".brindlecast-*")}, QDir::Files | QDir::Hidden);
    }

    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;
    PosixFileSystem m_fileSystem;
    FakeEncoderFolders m_folders{encoderTrusted};
    PosixOutputFiles m_outputs;
    ExitCleanup m_cleanup;
    MediaInfoLibrary m_mediaInfo;
    qsizetype m_started = 0;

    RecordingConsole console;
    QMap<QString, std::optional<QString>> ownRates;
    QList<int> exitCodes;
    bool encoderTrusted = true;
    int starts = 0;
    QStringList rates; // the bit rate of each encode, in start order
    BatchCounts counts;
};

TEST_F(BatchRunRules, AFileWhoseOwnRateCannotBeReadGoesAt128AndTheSummarySaysSo)
{
    const PlannedFile loud = file(QStringLiteral("loud"));
    const PlannedFile quiet = file(QStringLiteral("quiet"));
    ownRates[loud.input] = QStringLiteral("1411k");
    ownRates[quiet.input] = std::nullopt;
    run({loud, quiet});
    EXPECT_EQ(rates, (QStringList{QStringLiteral("1411k"), QStringLiteral("128k")}));
    EXPECT_EQ(counts.converted, 2);
    EXPECT_EQ(counts.atFallbackRate, 1);
    EXPECT_EQ(fallbackRateLine(counts),
              QStringLiteral("1 of them at 128 kbps: their own bit rate could not be read"));
    EXPECT_EQ(contentOf(loud.output), QByteArray("new sound"));
    EXPECT_TRUE(partials().isEmpty());
}

TEST_F(BatchRunRules, AFailedEncodeKeepsTheOldOutputAndItsReasonNamesTheOutput)
{
    const PlannedFile take = file(QStringLiteral("take"));
    writeFile(take.output, "old sound");
    exitCodes = {1};
    run({take});
    EXPECT_EQ(counts.failed, 1);
    EXPECT_EQ(console.err,
              QStringList{QStringLiteral("failed %1: the encoder failed (exit code 1): Error "
                                         "writing %2: No space left on device")
                              .arg(take.input, take.output)});
    EXPECT_EQ(contentOf(take.output), QByteArray("old sound"));
    EXPECT_TRUE(partials().isEmpty());
}

TEST_F(BatchRunRules, AWholeNewOutputReplacesTheOldOne)
{
    const PlannedFile take = file(QStringLiteral("take"));
    writeFile(take.output, "old sound");
    run({take});
    EXPECT_EQ(console.out.value(0),
              QStringLiteral("converted %1 -> %2").arg(take.input, take.output));
    EXPECT_EQ(contentOf(take.output), QByteArray("new sound"));
}

TEST_F(BatchRunRules, NothingIsStartedForFilesThatMustNotBeEncoded)
{
    const PlannedFile first = file(QStringLiteral("a"));
    PlannedFile again = file(QStringLiteral("b"));
    again.output = first.output;
    const PlannedFile missing{path(QStringLiteral("gone.wav")), path(QStringLiteral("gone.aac"))};
    PlannedFile itself = file(QStringLiteral("self"));
    itself.output = itself.input;
    PlannedFile blocked = file(QStringLiteral("blocked"));
    ASSERT_TRUE(QDir().mkdir(blocked.output));
    run({first, again, missing, itself, blocked});
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(counts.failed, 4);
    ASSERT_EQ(console.err.size(), 4);
    EXPECT_TRUE(console.err[0].endsWith(QStringLiteral(": its output %1 is already written from %2")
                                            .arg(first.output, first.input)));
    EXPECT_TRUE(
        console.err[1].endsWith(QStringLiteral(": the input is missing or not a regular file")));
    EXPECT_TRUE(
        console.err[2].endsWith(QStringLiteral(": the output file would replace the input file")));
    EXPECT_TRUE(console.err[3].contains(QStringLiteral("a folder is in the way")));
    EXPECT_EQ(contentOf(itself.input), QByteArray("RIFF....WAVE"));
}

TEST_F(BatchRunRules, AnEncoderNoLongerTrustedIsNotRun)
{
    const PlannedFile take = file(QStringLiteral("take"));
    encoderTrusted = false;
    run({take});
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(counts.failed, 1);
    EXPECT_FALSE(QFile::exists(take.output));
}

} // namespace
} // namespace brindlecast::test
