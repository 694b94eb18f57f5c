// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchRun.h"

#include "batch/RecordingConsole.h"
#include "platform/ExitCleanup.h"
#include "platform/MediaInfoLibrary.h"
#include "platform/OutputFiles.h"
#include "platform/PosixFileSystem.h"
#include "support/FakeEncoderFolders.h"
#include "support/FileContents.h"
#include "support/PartialFiles.h"
#include "support/ScriptedChild.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

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
        // Each encoder writes "new sound" into its output at once and ends at the next look
        // with the exit code given, telling why in the words the real one uses.
        m_encoders.scriptFor = [this](const ProcessCommand& command) {
            rates << command.arguments.value(command.arguments.indexOf(QStringLiteral("-ab")) + 1);
            const int exitCode = exitCodes.value(int(rates.size()) - 1, 0);
            return ChildScript{0, exitCode,
                               exitCode == 0 ? QString()
                                             : QStringLiteral("Error writing file:OUT: No space "
                                                              "left on device\n"),
                               QByteArray("new sound"), 0};
        };
        const ConversionServices conversion{m_dialogs,
                                            m_fileSystem,
                                            m_folders,
                                            m_cleanup,
                                            m_outputs,
                                            [this]() -> MediaInfoLibrary& { return m_mediaInfo; },
                                            [this] { return m_encoders.create(); },
                                            [] { return QString(); },
                                            [] { return QStringLiteral("64"); },
                                            [](int) { return QByteArray(); }};
        BatchRunServices services{conversion, console, [] {},
                                  [this](const QString& opened) {
                                      return ownRates.value(QFileInfo(opened).symLinkTarget());
                                  },
                                  [] { return 1.0; }};
        BatchRun batch(options, std::move(plan),
                       {QStringLiteral("/enc/ffmpeg"), QStringLiteral("aac")}, std::move(services));
        EXPECT_TRUE(batch.run());
        counts = batch.counts();
    }

    QStringList partials() const { return partialFilesIn(m_folder.path()); }

    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;
    PosixFileSystem m_fileSystem;
    FakeEncoderFolders m_folders;
    PosixOutputFiles m_outputs;
    ExitCleanup m_cleanup;
    MediaInfoLibrary m_mediaInfo;
    ScriptedChildren m_encoders;

    RecordingConsole console;
    QMap<QString, std::optional<QString>> ownRates;
    QList<int> exitCodes;
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
    EXPECT_EQ(m_encoders.started.size(), 1);
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
    m_folders.trusted = [](int) { return false; };
    run({take});
    EXPECT_TRUE(m_encoders.started.isEmpty());
    EXPECT_EQ(counts.failed, 1);
    EXPECT_FALSE(QFile::exists(take.output));
}

} // namespace
} // namespace brindlecast::test
