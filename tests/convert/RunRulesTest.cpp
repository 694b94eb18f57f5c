// SPDX-License-Identifier: GPL-3.0-or-later
// The run's rules for what an encode leaves and for an encoder that cannot be used, over fake
// encoders and encoder folders: no encoder is ever run.
#include "convert/FakeRun.h"
#include "core/ProgressAnimation.h"
#include "support/CaseName.h"
#include "support/PartialFiles.h"

#include <QDir>
#include <QFile>

namespace brindlecast::test {
namespace {

struct EncodeCase {
    const char* name;
    ChildScript encode;
    std::optional<double> outputSeconds; // the output's length as read from its frames
    const char* reason;                  // "" for a converted file
};

class EncodeOutcome : public FakeRunFixture, public ::testing::WithParamInterface<EncodeCase> {};

// The failed file's partial output goes, its old output stays as it was and its reason is said;
// the next file is converted all the same, and its old output replaced.
TEST_P(EncodeOutcome, IsJudgedByWhatTheEncoderLeft)
{
    const EncodeCase& c = GetParam();
    const QString first = makeWav(QStringLiteral("first.wav"), 3.0);
    const QString second = makeWav(QStringLiteral("second.wav"));
    writeOldOutput(first);
    writeOldOutput(second);
    m_encodes = {c.encode};
    m_fileSystem.outputSeconds = c.outputSeconds;

    convert({first, second});

    const QString reason =
        QString::fromUtf8(c.reason).replace(QStringLiteral("OUT"), outputOf(first));
    if (reason.isEmpty()) {
        EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.")});
        EXPECT_EQ(contentOf(outputOf(first)), QStringLiteral("whole output"));
    } else {
        EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.\r\n\r\n1 of 2 files failed:\r\n") +
                                       first + QStringLiteral(" - ") + reason});
        EXPECT_EQ(contentOf(outputOf(first)), kOldOutput);
    }
    EXPECT_EQ(partialFilesIn(m_work.path()), QStringList());
    EXPECT_EQ(contentOf(outputOf(second)), QStringLiteral("whole output"));
    EXPECT_TRUE(QFile::exists(first) && QFile::exists(second));
    EXPECT_EQ(m_started.size(), 2);
    EXPECT_TRUE(errorBoxes().isEmpty()) << errorBoxes().join(u'\n').toStdString();
    EXPECT_EQ(m_folders.removed, m_folders.created);
    EXPECT_TRUE(m_exitCleanup.isEmpty());
    EXPECT_FALSE(m_run->isConverting());
}

INSTANTIATE_TEST_SUITE_P(
    FakeEncoder, EncodeOutcome,
    ::testing::Values(
        EncodeCase{"Whole", {0, 0, {}, QByteArray("whole output"), 3}, 3.0, ""},
        EncodeCase{"CannotStart",
                   {53, 0, QStringLiteral("No such file or directory"), {}, 0},
                   {},
                   "the encoder could not be started (No such file or directory)"},
        EncodeCase{"NonZeroExit",
                   {0, 1,
                    QStringLiteral("size=  12kB\r[aac @ 0x1] Error writing trailer: No space "
                                   "left on device\nConversion failed!\n"),
                    QByteArray("partial"), 2},
                   {},
                   "the encoder failed (exit code 1): Error writing trailer: No space left on "
                   "device"},
        EncodeCase{"KilledBySignal",
                   {0, 137, {}, QByteArray("partial"), 0},
                   {},
                   "the encoder failed (exit code 137)"},
        EncodeCase{"NoOutput", {0, 0, {}, {}, 0}, {}, "the encoder wrote no output"},
        EncodeCase{"EmptyOutput", {0, 0, {}, QByteArray(), 0}, {}, "the encoder wrote no output"},
        EncodeCase{"WriteErrorDespiteExitZero",
                   {0, 0, QStringLiteral("Error closing file OUT: File too large\n"),
                    QByteArray("partial"), 0},
                   {},
                   "the output is incomplete: Error closing file OUT: File too large"},
        EncodeCase{"CutOff",
                   {0, 0, {}, QByteArray("partial"), 0},
                   1.1,
                   "the output is cut off: it lasts 1.1 s of 3.0 s"}),
    CaseName());

using UnusableFakeEncoder = FakeRunFixture;

struct UnusableCase {
    const char* name;
    const char* createFailure;
    const char* deployFailure;
    bool trusted;
    int line;
    const char* cause;
};

class EncoderSetUp : public FakeRunFixture, public ::testing::WithParamInterface<UnusableCase> {};

// A run whose encoder cannot be put in place or trusted deletes nothing, runs nothing, says the
// cause in one error box and once in the closing message, and removes what it made.
TEST_P(EncoderSetUp, ThatFailsTouchesNoFile)
{
    const UnusableCase& c = GetParam();
    if (*c.createFailure)
        m_folders.createFailure = QString::fromUtf8(c.createFailure);
    if (*c.deployFailure)
        m_folders.deployFailure = QString::fromUtf8(c.deployFailure);
    if (!c.trusted)
        m_folders.trusted = [](int) { return false; };
    const QStringList inputs = {makeWav(QStringLiteral("one.wav")),
                                makeWav(QStringLiteral("two.wav"))};
    for (const QString& input : inputs)
        writeOldOutput(input);

    convert(inputs);

    const QString cause = QString::fromUtf8(c.cause).arg(m_temp.path());
    const QStringList errors = errorBoxes();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(cause + QStringLiteral("\r\n"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("at line %1").arg(c.line)));
    EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.\r\n\r\nNone of the 2 files was "
                                                  "converted, because the encoder could not be "
                                                  "put in place:\r\n") +
                                   cause});
    for (const QString& input : inputs)
        EXPECT_EQ(contentOf(outputOf(input)), kOldOutput);
    EXPECT_TRUE(m_started.isEmpty());
    EXPECT_EQ(m_folders.removed, m_folders.created);
    EXPECT_TRUE(m_exitCleanup.isEmpty());
    EXPECT_EQ(m_pointer.kind, PointerDefault);
}

INSTANTIATE_TEST_SUITE_P(
    FakeEncoderFolders, EncoderSetUp,
    ::testing::Values(
        UnusableCase{"FolderCannotBeMade", "The temporary folder is full", "", true, 118,
                     "The temporary folder is full"},
        UnusableCase{"EncoderCannotBeWritten", "", "Cannot write the encoder", true, 118,
                     "Cannot write the encoder"},
        UnusableCase{"EncoderNotTrusted", "", "", false, 120,
                     "The encoder %1/run-1/encoder could have been changed by another user, so "
                     "it was not run"}),
    CaseName());

// Trust is checked again before each file's old output goes: an encoder changed during the run
// converts nothing more.
TEST_F(UnusableFakeEncoder, ChangedDuringTheRunStopsTheFilesAfter)
{
    // The first check is the run's own, the second the first file's.
    m_folders.trusted = [](int check) { return check <= 2; };
    const QStringList inputs = {makeWav(QStringLiteral("one.wav")),
                                makeWav(QStringLiteral("two.wav"))};
    writeOldOutput(inputs[1]);

    convert(inputs);

    EXPECT_EQ(contentOf(outputOf(inputs[0])), QStringLiteral("whole output"));
    EXPECT_EQ(contentOf(outputOf(inputs[1])), kOldOutput);
    EXPECT_EQ(m_started.size(), 1);
    EXPECT_EQ(m_boxes,
              QStringList{QStringLiteral("Done.\r\n\r\n1 of 2 files failed:\r\n") + inputs[1] +
                          QStringLiteral(" - the encoder could have been changed by "
                                         "another user, so it was not run")});
}

// The encoder is given the build the processor's width selects, and the command names the
// program deploy() returned.
TEST_F(UnusableFakeEncoder, RunsTheDeployedBuild)
{
    const QString input = makeWav(QStringLiteral("one.wav"));

    convert({input});

    EXPECT_EQ(m_folders.deployedBytes, QByteArray("102"));
    ASSERT_EQ(m_started.size(), 1);
    EXPECT_EQ(m_started[0].program, m_temp.path() + QStringLiteral("/run-1/encoder"));
    EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.")});
}

} // namespace
} // namespace brindlecast::test
