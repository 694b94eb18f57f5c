// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/CommandLineFixture.h"
#include "support/CaseName.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <csignal>

namespace brindlecast::test {
namespace {

struct TagCase {
    const char* name;
    const char* format;
    bool id3Chunk;
};

class CarriedTags : public CommandLineFixture, public ::testing::WithParamInterface<TagCase> {};

// The tags of a WAV reach the output where a player's reader finds them.
TEST_P(CarriedTags, AreReadBackFromTheOutput)
{
    const QString input = makeTaggedWav(QStringLiteral("song.wav"), GetParam().id3Chunk);
    const QString format = QString::fromLatin1(GetParam().format);
    const Result result =
        run({QStringLiteral("--convert"), QStringLiteral("--format"), format,
             QStringLiteral("--bit-rate"), QStringLiteral("32"), QStringLiteral("song.wav")});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QString output = workPath(QStringLiteral("song.") + format);
    EXPECT_TRUE(result.out.startsWith(QStringLiteral("converted %1 -> %2\n").arg(input, output)))
        << result.out.toStdString();
    const QMap<QString, QString> tags = tagsReadBack(output);
    EXPECT_EQ(tags.value(QStringLiteral("title")), QStringLiteral("Evening Song"));
    EXPECT_EQ(tags.value(QStringLiteral("artist")), QStringLiteral("The Choir"));
    if (!GetParam().id3Chunk) {
        EXPECT_EQ(tags.value(QStringLiteral("album")), QStringLiteral("Rehearsals"));
        EXPECT_EQ(tags.value(QStringLiteral("track")), QStringLiteral("7"));
        EXPECT_EQ(tags.value(QStringLiteral("date")), QStringLiteral("2019"));
        EXPECT_EQ(tags.value(QStringLiteral("comment")), QStringLiteral("second take"));
    }
    EXPECT_TRUE(temporaryEntries().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Batch, CarriedTags,
                         ::testing::Values(TagCase{"InfoToAdts", "aac", false},
                                           TagCase{"InfoToMp4", "m4a", false},
                                           TagCase{"Id3ToAdts", "aac", true},
                                           TagCase{"Id3ToMp4", "m4a", true}),
                         CaseName());

TEST_F(CommandLineFixture, KeepsTheFolderLayoutAndSkipsWhatIsUpToDate)
{
    makeWav(QStringLiteral("Music/A/Album/01 Intro.wav"));
    makeWav(QStringLiteral("Music/B/Album/01 Intro.wav"));
    makeWav(QStringLiteral("Music/-x \"q\" ü.WAV"));
    ASSERT_TRUE(QDir().mkpath(workPath(QStringLiteral("out"))));
    const QStringList arguments{QStringLiteral("--convert"), QStringLiteral("--output-folder"),
                                QStringLiteral("out"),       QStringLiteral("--keep-folders"),
                                QStringLiteral("--jobs"),    QStringLiteral("2"),
                                QStringLiteral("Music")};
    const Result first = run(arguments);
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    for (const QString& output :
         {QStringLiteral("out/A/Album/01 Intro.aac"), QStringLiteral("out/B/Album/01 Intro.aac"),
          QStringLiteral("out/-x \"q\" ü.aac")})
        EXPECT_GT(QFileInfo(workPath(output)).size(), 0) << output.toStdString();
    EXPECT_TRUE(
        first.out.contains(QStringLiteral("3 of 3 files converted, 0 failed, 0 skipped in ")));
    EXPECT_FALSE(first.err.contains(QStringLiteral("elapsed"))); // no live line into a pipe

    const QString kept = workPath(QStringLiteral("out/A/Album/01 Intro.aac"));
    const QDateTime written = QFileInfo(kept).lastModified();
    const Result second = run(QStringList(arguments) << QStringLiteral("--skip-existing"));
    EXPECT_EQ(second.status, 0) << second.err.toStdString();
    EXPECT_TRUE(second.out.contains(
        QStringLiteral("skipped %1 (%2 is up to date)\n")
            .arg(workPath(QStringLiteral("Music/A/Album/01 Intro.wav")), kept)));
    EXPECT_TRUE(second.out.contains(QStringLiteral("0 of 3 files converted, 0 failed, 3 skipped")));
    EXPECT_EQ(QFileInfo(kept).lastModified(), written);
}

TEST_F(CommandLineFixture, AFailedFileLeavesItsOldOutputAndTheOthersConvert)
{
    makeWav(QStringLiteral("good.wav"));
    QFile bad(workPath(QStringLiteral("bad.wav")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is no sound");
    bad.close();
    QFile old(workPath(QStringLiteral("bad.aac")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old output");
    old.close();

    const Result result = run({QStringLiteral("--convert"), QStringLiteral("bad.wav"),
                               QStringLiteral("good.wav"), QStringLiteral("missing.wav")});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("failed %1: the encoder failed (exit code ")
                                        .arg(workPath(QStringLiteral("bad.wav")))))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("failed %1: the input is missing or not a "
                                                   "regular file")
                                        .arg(workPath(QStringLiteral("missing.wav")))));
    EXPECT_TRUE(result.out.contains(QStringLiteral("1 of 3 files converted, 2 failed, 0 skipped")));
    // The bad file's earlier output is kept whole; no partial file is left.
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the old output"));
    EXPECT_GT(QFileInfo(workPath(QStringLiteral("good.aac"))).size(), 0);
    EXPECT_TRUE(partialFiles(m_work.path()).isEmpty());
    EXPECT_TRUE(temporaryEntries().isEmpty());
}

TEST_F(CommandLineFixture, TwoInputsForOneOutputFailTheLaterNamingTheEarlier)
{
    const QString first = makeWav(QStringLiteral("a/take.wav"));
    const QString later = makeWav(QStringLiteral("b/take.wav"));
    ASSERT_TRUE(QDir().mkpath(workPath(QStringLiteral("out"))));
    const Result result = run({QStringLiteral("--convert"), QStringLiteral("--output-folder=out"),
                               QStringLiteral("a/take.wav"), QStringLiteral("b/take.wav")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, QStringLiteral("failed %1: its output %2 is already written from %3\n")
                              .arg(later, workPath(QStringLiteral("out/take.aac")), first));
}

TEST_F(CommandLineFixture, WithoutAnEncoderNothingIsTouchedAndTheStatusIsThree)
{
    makeWav(QStringLiteral("a.wav"));
    m_path = m_temp.path(); // no ffmpeg anywhere on it
    const Result result = run({QStringLiteral("--convert"), QStringLiteral("a.wav")});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err.count(u'\n'), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith(
        QStringLiteral("brindlecast-studio: the encoder cannot be put in place: ")));
    EXPECT_FALSE(QFileInfo::exists(workPath(QStringLiteral("a.aac"))));
    EXPECT_TRUE(temporaryEntries().isEmpty());
}

TEST_F(CommandLineFixture, HelpAndVersionAnswerWithoutAWindowAlsoWithoutConvert)
{
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("-h")},
          QStringList{QStringLiteral("--convert"), QStringLiteral("--help")}}) {
        const Result help = run(arguments);
        EXPECT_EQ(help.status, 0) << help.err.toStdString();
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: brindlecast-studio")));
    }
    const Result version = run({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out,
              QStringLiteral("brindlecast-studio %1\n").arg(QStringLiteral(BRINDLECAST_VERSION)));
}

// The encoder is asked for its encoders at the first run only, and again once its file has
// changed; what it said is kept in the user's cache folder.
TEST_F(CommandLineFixture, AsksTheEncoderForItsEncodersOncePerStateOfItsFile)
{
    useWrappedEncoder({});
    const QString script = m_bin + QStringLiteral("/ffmpeg");
    const QString questions = m_bin + QStringLiteral("/questions");
    QFile wrapper(script);
    ASSERT_TRUE(wrapper.open(QIODevice::WriteOnly));
    wrapper.write(QStringLiteral("#!/bin/sh\ncase \" $* \" in *\" -encoders \"*) echo >> '%1';; "
                                 "esac\nexec '%2' \"$@\"\n")
                      .arg(questions, QStandardPaths::findExecutable(QStringLiteral("ffmpeg")))
                      .toUtf8());
    wrapper.close();
    makeWav(QStringLiteral("a.wav"));
    const auto questionsAfterARun = [&] {
        const Result result = run({QStringLiteral("--convert"), QStringLiteral("a.wav")});
        EXPECT_EQ(result.status, 0) << result.err.toStdString();
        QFile asked(questions);
        return asked.open(QIODevice::ReadOnly) ? asked.readAll().count('\n') : 0;
    };

    EXPECT_EQ(questionsAfterARun(), 1);
    EXPECT_EQ(questionsAfterARun(), 1);
    EXPECT_EQ(
        QDir(m_cache.filePath(QStringLiteral("brindlecast-studio"))).entryList(QDir::Files).size(),
        1);
    ASSERT_TRUE(wrapper.open(QIODevice::ReadWrite));
    ASSERT_TRUE(wrapper.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                    QFileDevice::FileModificationTime));
    wrapper.close();
    EXPECT_EQ(questionsAfterARun(), 2);
    EXPECT_TRUE(temporaryEntries().isEmpty());
}

struct FormatCase {
    const char* name;
    const char* format;
};

class CutOffOutput : public CommandLineFixture, public ::testing::WithParamInterface<FormatCase> {};

// An encoder that stops early and still exits with 0 (here told to read only the first second):
// the output's length, read behind its tags, gives it away, and the old output stays.
TEST_P(CutOffOutput, FailsAndLeavesTheOldOutput)
{
    useWrappedEncoder(QStringLiteral("-t 1"));
    const QString input = makeWav(QStringLiteral("take.wav"), 3);
    const QString output = workPath(QStringLiteral("take.") + QLatin1String(GetParam().format));
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old output");
    old.close();

    const Result result = run({QStringLiteral("--convert"), QStringLiteral("--format"),
                               QString::fromLatin1(GetParam().format), QStringLiteral("take.wav")});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.startsWith(
        QStringLiteral("failed %1: the output is cut off: it lasts 1.").arg(input)))
        << result.err.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the old output"));
    EXPECT_TRUE(partialFiles(m_work.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Batch, CutOffOutput,
                         ::testing::Values(FormatCase{"Adts", "aac"}, FormatCase{"Mp4", "m4a"}),
                         CaseName());

// A newline in a name cannot make two lines of one file's, nor a line that reads as another
// file's: the names are written escaped.
TEST_F(CommandLineFixture, EachFileIsOneLineWhateverItsName)
{
    const QString odd = makeWav(QStringLiteral("two\nlines\tand \\ back.wav"));
    const Result result = run({QStringLiteral("--convert"), QStringLiteral("--bit-rate=32"),
                               QStringLiteral("--"), odd, QStringLiteral("gone\nfailed x.wav")});
    EXPECT_EQ(result.status, 1) << result.err.toStdString();
    const QString escapedFolder = QString(m_work.path()).replace(u'\\', QLatin1String("\\\\"));
    EXPECT_TRUE(result.out.startsWith(
        QStringLiteral("converted %1/two\\nlines\\tand \\\\ back.wav -> %1/two\\nlines\\tand "
                       "\\\\ back.aac\n")
            .arg(escapedFolder)))
        << result.out.toStdString();
    EXPECT_EQ(result.out.count(u'\n'), 2) << result.out.toStdString(); // the line and the summary
    EXPECT_TRUE(
        result.err.startsWith(QStringLiteral("failed %1/gone\\nfailed x.wav: ").arg(escapedFolder)))
        << result.err.toStdString();
    EXPECT_EQ(result.err.count(u'\n'), 1) << result.err.toStdString();
    EXPECT_GT(QFileInfo(workPath(QStringLiteral("two\nlines\tand \\ back.aac"))).size(), 0);
}

// The outputs go below the inputs' folder, and every file is taken from it: a rerun converts the
// inputs again and never what it wrote from them.
TEST_F(CommandLineFixture, ARerunNeverTakesItsOwnOutputsForInputs)
{
    makeWav(QStringLiteral("in/a.wav"));
    makeWav(QStringLiteral("in/b.wav"));
    ASSERT_TRUE(QDir().mkpath(workPath(QStringLiteral("in/out"))));
    for (int round = 1; round <= 3; ++round) {
        const Result result =
            run({QStringLiteral("--convert"), QStringLiteral("--keep-folders"),
                 QStringLiteral("--output-folder"), QStringLiteral("in/out"),
                 QStringLiteral("--extension"), QStringLiteral("*"), QStringLiteral("in")});
        EXPECT_EQ(result.status, 0) << round << result.err.toStdString();
        EXPECT_TRUE(result.out.contains(QStringLiteral("2 of 2 files converted, 0 failed")))
            << round << result.out.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(workPath(QStringLiteral("in/out/out"))));
    EXPECT_EQ(QDir(workPath(QStringLiteral("in/out"))).entryList(QDir::Files),
              (QStringList{QStringLiteral("a.aac"), QStringLiteral("b.aac")}));
}

// Only a whole output is up to date: an empty one, one cut off (as a killed run leaves it) and a
// link to a newer file are converted again, and the link is replaced by a file.
TEST_F(CommandLineFixture, SkipExistingTakesOnlyAWholeOutputForUpToDate)
{
    for (const char* name : {"empty", "cut", "link", "whole"})
        makeWav(QString::fromLatin1(name) + QStringLiteral(".wav"), 2.0);
    const QStringList arguments{QStringLiteral("--convert"), QStringLiteral("--bit-rate=32"),
                                m_work.path()};
    ASSERT_EQ(run(arguments).status, 0);
    const auto later = [](const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                     QFileDevice::FileModificationTime));
    };
    const QString empty = workPath(QStringLiteral("empty.aac"));
    ASSERT_TRUE(QFile::resize(empty, 0));
    later(empty);
    const QString cut = workPath(QStringLiteral("cut.aac"));
    ASSERT_TRUE(QFile::resize(cut, QFileInfo(cut).size() / 3));
    later(cut);
    const QString link = workPath(QStringLiteral("link.aac"));
    ASSERT_TRUE(QFile::rename(link, workPath(QStringLiteral("elsewhere.aac"))));
    ASSERT_TRUE(QFile::link(workPath(QStringLiteral("elsewhere.aac")), link));

    const Result result = run(QStringList(arguments) << QStringLiteral("--skip-existing"));

    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    for (const QString& name :
         {QStringLiteral("empty"), QStringLiteral("cut"), QStringLiteral("link")})
        EXPECT_TRUE(result.out.contains(
            QStringLiteral("converted %1 ->").arg(workPath(name + QStringLiteral(".wav")))))
            << name.toStdString() << ' ' << result.out.toStdString();
    EXPECT_TRUE(result.out.contains(
        QStringLiteral("skipped %1").arg(workPath(QStringLiteral("whole.wav")))));
    EXPECT_TRUE(result.out.contains(QStringLiteral("3 of 4 files converted, 0 failed, 1 skipped")));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_GT(QFileInfo(cut).size(),
              QFileInfo(workPath(QStringLiteral("elsewhere.aac"))).size() / 2);
}

struct SignalCase {
    const char* name;
    int signalNumber;
};

class EndedBySignal : public CommandLineFixture,
                      public ::testing::WithParamInterface<SignalCase> {};

// Every running encoder ends, its partial output goes, finished outputs stay, the summary is
// printed, and the status tells the signal.
TEST_P(EndedBySignal, EndsTheEncodersRemovesTheirPartialsAndSaysSo)
{
    // Reading the input at the pace it plays keeps the long files' encoders running.
    useWrappedEncoder(QStringLiteral("-re"));
    makeWav(QStringLiteral("1 short.wav"), 0.2);
    makeWav(QStringLiteral("2 long.wav"), 60);
    makeWav(QStringLiteral("3 long.wav"), 60);
    QProcess process;
    start(process, {QStringLiteral("--convert"), QStringLiteral("--jobs=2"), m_work.path()});

    // Both long files are being written once the short one is done and two partials exist.
    QDeadlineTimer deadline(60000);
    QByteArray out;
    while (!deadline.hasExpired() &&
           (!out.contains("converted") || partialFiles(m_work.path()).size() < 2)) {
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput();
    }
    ASSERT_EQ(partialFiles(m_work.path()).size(), 2) << out.toStdString();
    ASSERT_EQ(::kill(pid_t(process.processId()), GetParam().signalNumber), 0);

    Result result = resultOf(process);
    result.out.prepend(QString::fromUtf8(out));
    EXPECT_EQ(result.status, 128 + GetParam().signalNumber) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("1 of 3 files converted, 0 failed, 0 skipped")))
        << result.out.toStdString();
    EXPECT_GT(QFileInfo(workPath(QStringLiteral("1 short.aac"))).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(workPath(QStringLiteral("2 long.aac"))));
    EXPECT_FALSE(QFileInfo::exists(workPath(QStringLiteral("3 long.aac"))));
    EXPECT_TRUE(partialFiles(m_work.path()).isEmpty());
    EXPECT_TRUE(temporaryEntries().isEmpty());
    // No encoder outlives the program: none still names the work folder.
    QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        QFile commandLine(processes.next() + QStringLiteral("/cmdline"));
        if (commandLine.open(QIODevice::ReadOnly)) {
            EXPECT_FALSE(commandLine.readAll().contains(QFile::encodeName(m_work.path())));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Batch, EndedBySignal,
                         ::testing::Values(SignalCase{"Interrupt", SIGINT},
                                           SignalCase{"Terminate", SIGTERM},
                                           SignalCase{"HangUp", SIGHUP}),
                         CaseName());

} // namespace
} // namespace brindlecast::test
