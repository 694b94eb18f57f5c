// End-to-end runs through the real click handler, the installed ffmpeg and MediaInfo.
#include "app/PointerKind.h"
#include "app/TextProgressBar.h"
#include "convert/ConversionFixture.h"
#include "convert/EncoderDeployment.h"
#include "filelist/FileListView.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {

namespace {

using ConversionRunTest = ConversionFixture;

QString aacBeside(const QString& wav)
{
    return wav.left(wav.lastIndexOf(u'.')) + QStringLiteral(".aac");
}

QString expectedCommand(const QString& temp, const QString& input, const QString& rate,
                        const QString& output)
{
    return QStringLiteral("\"%1\" -i \"%2\" -ab %3 -acodec aac \"%4\"")
        .arg(encoderPath(temp), input, rate, output);
}

} // namespace

TEST_F(ConversionRunTest, ConvertsMonoAndStereoAtEveryRateAndCleansUp)
{
    const QList<WavFormat> formats = {
        {8000, 1, 16, 1.5},  {11025, 2, 8, 1.0},  {16000, 1, 8, 1.0},  {22050, 2, 16, 1.0},
        {32000, 1, 16, 1.0}, {44100, 2, 16, 2.0}, {48000, 2, 16, 1.0},
    };
    QStringList inputs;
    for (const WavFormat& format : formats) {
        inputs.append(
            makeWav(QStringLiteral("tone-%1-%2ch.wav").arg(format.sampleRate).arg(format.channels),
                    format));
    }
    addRows(inputs);
    useConstantRate(QStringLiteral("48 kbps"));
    saveBesideInput();

    clickStartConverting();

    for (qsizetype i = 0; i < inputs.size(); ++i)
        EXPECT_TRUE(isAacOf(aacBeside(inputs[i]), formats[i].seconds, 48));
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(errorBoxes().isEmpty()) << errorBoxes().join(u'\n').toStdString();
    EXPECT_EQ(m_form->ProgressBar1->wholeValue(), 0);
    EXPECT_EQ(m_form->ProgressBar1->text(), QStringLiteral("Progress Bar"));
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
    EXPECT_FALSE(m_form->conversion().isConverting());
    EXPECT_TRUE(temporaryFolderContents().isEmpty())
        << temporaryFolderContents().join(u' ').toStdString();
    // The 64-bit build on this 64-bit machine, loaded once for the run.
    EXPECT_EQ(m_platform.encoderRequests, QList<int>{102});
}

TEST_F(ConversionRunTest, CommandLineTextOfTheExampleWithThe32BitBuildWhenWidthIsUnknown)
{
    m_platform.addressWidth = QString();
    QDir(m_work.path()).mkpath(QStringLiteral("Music"));
    const QString input = makeWav(QStringLiteral("Music/Take 1.wav"), {22050, 1, 16, 1.0});
    addRows({input});
    useConstantRate(QStringLiteral("128 kbps"));
    saveBesideInput();

    clickStartConverting();

    EXPECT_EQ(m_form->conversion().lastCommandText(),
              expectedCommand(m_temp.path(), input, QStringLiteral("128k"),
                              workPath(QStringLiteral("Music/Take 1.aac"))));
    EXPECT_TRUE(QFile::exists(workPath(QStringLiteral("Music/Take 1.aac"))));
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(m_platform.encoderRequests, QList<int>{101});
}

TEST_F(ConversionRunTest, BitRateOfTheInputComesFromMediaInfo)
{
    // 16-bit mono at 8 kHz is 128,000 bits per second.
    const QString input = makeWav(QStringLiteral("speech.wav"), {8000, 1, 16, 1.0});
    addRows({input});
    useRateOfInput(QStringLiteral("32 kbps"));
    saveInto(m_work.path() + QStringLiteral("/"));

    clickStartConverting();

    EXPECT_EQ(m_form->conversion().lastCommandText(),
              expectedCommand(m_temp.path(), input, QStringLiteral("128k"),
                              workPath(QStringLiteral("speech.aac"))));
    EXPECT_TRUE(readAdts(workPath(QStringLiteral("speech.aac"))).valid);
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
}

TEST_F(ConversionRunTest, OddFileNamesConvertUnharmed)
{
    const QStringList names = {
        QStringLiteral("with blanks  in it.wav"), QStringLiteral("\"quoted\" 'both'.wav"),
        QStringLiteral("-i leading dash.wav"),    QStringLiteral("Grüße Ωmega 日本.wav"),
        QStringLiteral("percent %d %s.wav"),      QStringLiteral("pipe:1.wav"),
        QStringLiteral("new\nline.wav"),          QStringLiteral("semi;colon & $HOME.wav"),
    };
    QStringList inputs;
    for (const QString& name : names)
        inputs.append(makeWav(name, {16000, 1, 16, 1.0}));
    addRows(inputs);
    useRateOfInput(QStringLiteral("64 kbps")); // the probe gets every odd name too
    saveBesideInput();

    clickStartConverting();

    for (const QString& input : inputs) {
        EXPECT_TRUE(readAdts(aacBeside(input)).valid) << input.toStdString();
        EXPECT_TRUE(QFile::exists(input)) << input.toStdString();
    }
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    // Every probe answered: 16-bit mono at 16 kHz is 256 kbps.
    EXPECT_TRUE(m_form->conversion().lastCommandText().contains(QStringLiteral(" -ab 256k ")));
    // Nothing but the expected outputs appeared.
    EXPECT_EQ(QDir(m_work.path()).entryList(QDir::Files).size(), 2 * names.size());
}

TEST_F(ConversionRunTest, CorruptAndEmptyInputsFailAloneAndLeaveNothing)
{
    const QString first = makeWav(QStringLiteral("first.wav"), {16000, 1, 16, 1.0});
    const QString corrupt = workPath(QStringLiteral("corrupt.wav"));
    const QString empty = workPath(QStringLiteral("empty.wav"));
    {
        QFile file(corrupt);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF\x10\x00\x00\x00WAVEjunkjunkjunk", 24);
        QFile(empty).open(QIODevice::WriteOnly);
    }
    const QString last = makeWav(QStringLiteral("last.wav"), {16000, 2, 16, 1.0});
    addRows({first, corrupt, empty, last});
    useConstantRate(QStringLiteral("64 kbps"));
    saveBesideInput();

    clickStartConverting();

    EXPECT_TRUE(isAacOf(aacBeside(first), 1.0, 64));
    EXPECT_TRUE(isAacOf(aacBeside(last), 1.0, 64));
    EXPECT_FALSE(QFile::exists(aacBeside(corrupt)));
    EXPECT_FALSE(QFile::exists(aacBeside(empty)));
    const QString reason = QStringLiteral(
        " - the encoder failed (exit code 1): Invalid data found when processing input");
    EXPECT_EQ(closingMessages(),
              QStringList{QStringLiteral("Done.\r\n\r\n2 of 4 files failed:\r\n") + corrupt +
                          reason + QStringLiteral("\r\n") + empty + reason});
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

TEST_F(ConversionRunTest, PipeOrMissingInputIsSkippedWithoutWaitingAndKeepsOldOutput)
{
    const QString pipe = workPath(QStringLiteral("pipe.wav"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString missing = workPath(QStringLiteral("missing.wav"));
    {
        QFile old(aacBeside(missing));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an earlier result");
    }
    const QString good = makeWav(QStringLiteral("good.wav"), {16000, 1, 16, 1.0});
    addRows({pipe, missing, good});
    useRateOfInput(QStringLiteral("64 kbps"));
    saveBesideInput();

    clickStartConverting();

    const QString reason = QStringLiteral(" - the input is missing or not a regular file");
    EXPECT_EQ(closingMessages(),
              QStringList{QStringLiteral("Done.\r\n\r\n2 of 3 files failed:\r\n") + pipe + reason +
                          QStringLiteral("\r\n") + missing + reason});
    EXPECT_TRUE(QFile::exists(aacBeside(missing)));
    EXPECT_TRUE(readAdts(aacBeside(good)).valid);
    EXPECT_EQ(encodesStarted(), 1);
}

TEST_F(ConversionRunTest, MissingMediaInfoReportsAtLine146AndUsesTheListEntry)
{
    m_platform.useMediaInfoLibrary(QStringLiteral("libmediainfo-not-installed.so.0"));
    const QString one = makeWav(QStringLiteral("one.wav"), {22050, 1, 16, 1.0});
    const QString two = makeWav(QStringLiteral("two.wav"), {22050, 2, 16, 1.0});
    addRows({one, two});
    useRateOfInput(QStringLiteral("40 kbps"));
    saveBesideInput();

    clickStartConverting();

    const QStringList errors = errorBoxes();
    ASSERT_EQ(errors.size(), 2);
    for (const QString& error : errors) {
        EXPECT_TRUE(error.contains(QStringLiteral("libmediainfo-not-installed.so.0")));
        EXPECT_TRUE(error.contains(
            QStringLiteral("\r\nin Tessaly2021/08/31.Form1.PushButton2_Click at line 146\r\r")));
    }
    EXPECT_TRUE(isAacOf(aacBeside(one), 1.0, 40));
    EXPECT_TRUE(isAacOf(aacBeside(two), 1.0, 40));
    EXPECT_EQ(m_form->conversion().lastCommandText(),
              expectedCommand(m_temp.path(), two, QStringLiteral("40k"), aacBeside(two)));
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
}

TEST_F(ConversionRunTest, InputThatWouldBeItsOwnOutputIsSkippedAndKept)
{
    const QString input = workPath(QStringLiteral("already.aac"));
    ASSERT_TRUE(writeWav(input, {16000, 1, 16, 1.0}));
    const QByteArray before = wavBytes({16000, 1, 16, 1.0});
    addRows({input});
    useConstantRate(QStringLiteral("64 kbps"));
    saveBesideInput();

    clickStartConverting();

    QFile kept(input);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
    EXPECT_EQ(closingMessages(),
              QStringList{QStringLiteral("Done.\r\n\r\n1 of 1 file failed:\r\n") + input +
                          QStringLiteral(" - the output file would replace the input file")});
    EXPECT_TRUE(m_form->conversion().lastCommandText().isEmpty()); // no encoder was started
}

TEST_F(ConversionRunTest, OldOutputIsReplacedButOneThatCannotGoIsSkipped)
{
    const QString replaced = makeWav(QStringLiteral("replaced.wav"), {16000, 1, 16, 1.0});
    const QString blocked = makeWav(QStringLiteral("blocked.wav"), {16000, 1, 16, 1.0});
    {
        QFile old(aacBeside(replaced));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an old result");
    }
    // A folder in the output's place survives the deletion, as a file held by another program
    // would; the encoder would stop and ask whether to overwrite it.
    ASSERT_TRUE(QDir().mkpath(aacBeside(blocked) + QStringLiteral("/inside")));
    addRows({replaced, blocked});
    useConstantRate(QStringLiteral("64 kbps"));
    saveBesideInput();

    clickStartConverting();

    EXPECT_TRUE(isAacOf(aacBeside(replaced), 1.0, 64));
    EXPECT_TRUE(QDir(aacBeside(blocked) + QStringLiteral("/inside")).exists());
    EXPECT_EQ(closingMessages(),
              QStringList{QStringLiteral("Done.\r\n\r\n1 of 2 files failed:\r\n") + blocked +
                          QStringLiteral(" - the old output file ") + aacBeside(blocked) +
                          QStringLiteral(" could not be removed")});
    EXPECT_EQ(encodesStarted(), 1);
}

TEST_F(ConversionRunTest, FailedEncodeLeavesNoPartialOutput)
{
    const QString input = makeWav(QStringLiteral("cut.wav"), {16000, 1, 16, 1.0});
    m_platform.makeChild = [&] {
        auto child = std::make_unique<FakeChildProcess>();
        child->waitsBeforeEnd = 3;
        child->code = 1;
        child->errorText =
            QStringLiteral("size=      12kB time=00:00:00.50\rError writing trailer: "
                           "No space left on device\nConversion failed!\n");
        child->writeFile = aacBeside(input);
        return child;
    };
    addRows({input});
    useConstantRate(QStringLiteral("64 kbps"));
    saveBesideInput();

    clickStartConverting();

    EXPECT_FALSE(QFile::exists(aacBeside(input)));
    EXPECT_TRUE(QFile::exists(input));
    EXPECT_EQ(closingMessages(),
              QStringList{QStringLiteral("Done.\r\n\r\n1 of 1 file failed:\r\n") + input +
                          QStringLiteral(" - the encoder failed (exit code 1): Error writing "
                                         "trailer: No space left on device")});
}

TEST_F(ConversionRunTest, EncoderThatCannotStartFailsEveryFileAndIsRemoved)
{
    m_platform.encoderBytes = QByteArray("this is not a program\n");
    const QString one = makeWav(QStringLiteral("one.wav"), {16000, 1, 16, 1.0});
    const QString two = makeWav(QStringLiteral("two.wav"), {16000, 1, 16, 1.0});
    addRows({one, two});
    useConstantRate(QStringLiteral("64 kbps"));
    saveBesideInput();

    clickStartConverting();

    const QStringList messages = closingMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Done.\r\n\r\n2 of 2 files failed:\r\n") +
                                       one + QStringLiteral(" - the encoder could not be started")))
        << messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(aacBeside(one)));
    EXPECT_FALSE(QFile::exists(aacBeside(two)));
    EXPECT_TRUE(errorBoxes().isEmpty());
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

TEST_F(ConversionRunTest, OwnEncoderAlreadyInPlaceIsUsedUnchangedAndRemoved)
{
    // A file of this user's in the private folder (left by a run that did not end, say): it is
    // run as it is, whatever it holds.
    ASSERT_NO_THROW(preparePrivateFolder(m_temp.path()));
    ASSERT_NO_THROW(WriteBytesToFile("#!/bin/sh\necho stand-in >&2\nexit 3\n",
                                     encoderPath(m_temp.path()), 0700));
    const QString input = makeWav(QStringLiteral("a.wav"), {16000, 1, 16, 1.0});
    addRows({input});
    useConstantRate(QStringLiteral("64 kbps"));
    saveBesideInput();

    clickStartConverting();

    EXPECT_EQ(closingMessages(),
              QStringList{QStringLiteral("Done.\r\n\r\n1 of 1 file failed:\r\n") + input +
                          QStringLiteral(" - the encoder failed (exit code 3): stand-in")});
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

TEST_F(ConversionRunTest, EncoderFolderOfAnotherUserIsNeverUsed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making a folder of another user's needs root";
    const QString folder = encoderFolder(m_temp.path());
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0700), 0);
    const QString planted = encoderPath(m_temp.path());
    ASSERT_NO_THROW(WriteBytesToFile("#!/bin/sh\ntouch \"$0.ran\"\n", planted, 0755));
    ASSERT_EQ(::chown(QFile::encodeName(planted).constData(), 4242, 4242), 0);
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 4242, 4242), 0);
    const QString input = makeWav(QStringLiteral("a.wav"), {16000, 1, 16, 1.0});
    addRows({input});
    useConstantRate(QStringLiteral("64 kbps"));
    saveBesideInput();

    clickStartConverting();

    EXPECT_TRUE(m_platform.started.isEmpty());
    EXPECT_FALSE(QFile::exists(planted + QStringLiteral(".ran")));
    ASSERT_EQ(errorBoxes().size(), 1);
    EXPECT_TRUE(errorBoxes()[0].contains(QStringLiteral("at line 118")));
    const QStringList messages = closingMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("1 of 1 file failed")));
    EXPECT_FALSE(QFile::exists(aacBeside(input)));
}

TEST_F(ConversionRunTest, EmptyListOrMissingFolderStopsBeforeAnythingElse)
{
    clickStartConverting();
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("No files added.")});

    addRows({makeWav(QStringLiteral("a.wav"), {8000, 1, 16, 0.5})});
    saveInto(workPath(QStringLiteral("no such folder")));
    clickStartConverting();

    EXPECT_EQ(
        closingMessages(),
        (QStringList{QStringLiteral("No files added."),
                     QStringLiteral("Folder does not exist. Please select another folder.")}));
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
    EXPECT_TRUE(m_platform.encoderRequests.isEmpty());
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
    EXPECT_FALSE(m_form->conversion().isConverting());
}

TEST_F(ConversionRunTest, SecondClickAndRowsAddedDuringARunChangeNothing)
{
    const QString first = makeWav(QStringLiteral("first.wav"), {16000, 1, 16, 1.0});
    const QString second = makeWav(QStringLiteral("second.wav"), {16000, 1, 16, 1.0});
    const QString late = makeWav(QStringLiteral("late.wav"), {16000, 1, 16, 1.0});
    addRows({first, second});
    useConstantRate(QStringLiteral("64 kbps"));
    saveBesideInput();
    bool actedDuringRun = false;
    m_platform.onStart = [&](const ProcessCommand& command) {
        if (actedDuringRun || !command.arguments.contains(QStringLiteral("-ab")))
            return;
        actedDuringRun = true;
        // Delivered by the run's own event pumping while the first encoder works.
        QTimer::singleShot(0, m_form.get(), [&] {
            EXPECT_TRUE(m_form->conversion().isConverting());
            EXPECT_EQ(m_form->mousePointer(), PointerBusy);
            clickStartConverting();
            m_form->ListView1->appendRow(late);
        });
    };

    clickStartConverting();

    EXPECT_TRUE(actedDuringRun);
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(readAdts(aacBeside(first)).valid);
    EXPECT_TRUE(readAdts(aacBeside(second)).valid);
    EXPECT_FALSE(QFile::exists(aacBeside(late)));
    EXPECT_EQ(encodesStarted(), 2);
}

TEST_F(ConversionRunTest, NextRunWritesTheEncoderAgainAndAsksForItsEncodersOnce)
{
    const QString input = makeWav(QStringLiteral("again.wav"), {16000, 1, 16, 0.5});
    addRows({input});
    useConstantRate(QStringLiteral("64 kbps"));
    saveBesideInput();

    clickStartConverting();
    clickStartConverting();

    EXPECT_EQ(m_platform.encoderRequests, (QList<int>{102, 102}));
    EXPECT_EQ(encodesStarted(), 2);
    const auto questions = std::count_if(
        m_platform.started.begin(), m_platform.started.end(), [](const ProcessCommand& command) {
            return command.arguments.contains(QStringLiteral("-encoders"));
        });
    EXPECT_LE(questions, 1); // none when an earlier test already asked this build
    EXPECT_EQ(closingMessages(), (QStringList{QStringLiteral("Done."), QStringLiteral("Done.")}));
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

} // namespace brindlecast::test
