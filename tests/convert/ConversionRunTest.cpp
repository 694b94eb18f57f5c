// SPDX-License-Identifier: GPL-3.0-or-later
// End-to-end runs through the real click handler, the installed ffmpeg and MediaInfo.
#include "app/TextProgressBar.h"
#include "convert/ConversionFixture.h"
#include "core/ErrorReport.h"
#include "core/PointerKind.h"
#include "filelist/FileListView.h"
#include "platform/EncoderDeployment.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace brindlecast::test {

namespace {

using ConversionRunTest = ConversionFixture;

TEST_F(ConversionRunTest, ConvertsFormatsAndOddNamesAndEndsCleanly)
{
    const QList<WavFormat> formats = {
        {8000, 1, 16, 1.5}, {22050, 2, 16, 1.0}, {44100, 2, 8, 2.0}, {48000, 1, 16, 1.0}};
    const QStringList oddNames = {
        QStringLiteral("with blanks  in it.wav"), QStringLiteral("\"quoted\" 'both'.wav"),
        QStringLiteral("-i leading dash.wav"),    QStringLiteral("Grüße Ωmega 日本.wav"),
        QStringLiteral("new\nline.wav"),          QStringLiteral("semi;colon & $HOME.wav")};
    QStringList inputs;
    for (const WavFormat& format : formats)
        inputs.append(makeWav(QStringLiteral("tone-%1.wav").arg(format.sampleRate), format));
    for (const QString& name : oddNames)
        inputs.append(makeWav(name));
    QDir(m_work.path()).mkpath(QStringLiteral("Music"));
    inputs.append(makeWav(QStringLiteral("Music/Take 1.wav")));
    prepare(inputs, QStringLiteral("128 kbps"), false);
    // A second click while the first encoder works asks to stop; its No starts nothing.
    bool clickedDuringRun = false;
    m_platform.onStart = [&](const ProcessCommand& command) {
        if (!command.arguments.contains(QStringLiteral("-ab")) ||
            std::exchange(clickedDuringRun, true))
            return;
        QTimer::singleShot(0, m_form.get(), [&] {
            EXPECT_EQ(m_form->mousePointer(), PointerBusy);
            clickStartConverting();
        });
    };

    clickStartConverting();

    EXPECT_TRUE(clickedDuringRun);
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        EXPECT_TRUE(
            isAacOf(aacBeside(inputs[i]), i < formats.size() ? formats[i].seconds : 1.0, 128));
        EXPECT_TRUE(QFile::exists(inputs[i])) << inputs[i].toStdString();
    }
    EXPECT_EQ(encodesStarted(), inputs.size());
    EXPECT_TRUE(encodes(lastEncode(), encoderUsed(), inputs.last(), QStringLiteral("128k"),
                        workPath(QStringLiteral("Music/Take 1.aac"))));
    EXPECT_EQ(closingMessages(),
              (QStringList{QStringLiteral("Stop converting?"), QStringLiteral("Done.")}));
    EXPECT_TRUE(messagesTitled(QLatin1String(kApplicationErrorTitle)).isEmpty());
    EXPECT_EQ(m_form->ProgressBar1->wholeValue(), 0);
    EXPECT_EQ(m_form->ProgressBar1->text(), QStringLiteral("Progress Bar"));
    EXPECT_EQ(m_form->mousePointer(), PointerDefault);
    EXPECT_TRUE(temporaryFolderContents().isEmpty())
        << temporaryFolderContents().join(u' ').toStdString();
}

// At a constant rate the inputs' lengths come from their headers: MediaInfo is never loaded, so
// a missing library costs the run nothing. The encoder's answer is kept in the cache.
TEST_F(ConversionRunTest, AConstantRateNeedsNoMediaInfo)
{
    m_platform.otherLibrary =
        std::make_unique<MediaInfoLibrary>(QStringLiteral("libmediainfo-not-installed.so.0"));
    const QString input = makeWav(QStringLiteral("one.wav"));
    prepare({input}, QStringLiteral("64 kbps"), false);

    clickStartConverting();

    EXPECT_TRUE(isAacOf(aacBeside(input), 1.0, 64));
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(messagesTitled(QLatin1String(kApplicationErrorTitle)).isEmpty());
    EXPECT_EQ(m_platform.mediaInfoUses, 0);
    EXPECT_EQ(QDir(m_platform.encoderCache.folder()).entryList(QDir::Files).size(), 1);
}

// An encoder that writes part of its output and then fails as it does on a full disk.
const QByteArray kFailingEncoder = "#!/bin/sh\n"
                                   "for last; do :; done\n"
                                   "[ \"$last\" = -encoders ] && exit 0\n"
                                   "printf partial > \"${last#file:}\"\n"
                                   "echo 'Error writing trailer: No space left' >&2\n"
                                   "echo 'Conversion failed!' >&2\n"
                                   "exit 1\n";

QString failedMessage(const QString& input)
{
    return QStringLiteral("Done.\r\n\r\n1 of 1 file failed:\r\n") + input +
           QStringLiteral(" - the encoder failed (exit code 1): Error writing trailer: No space "
                          "left");
}

TEST_F(ConversionRunTest, FailedEncodeLeavesNoPartialOutputAndNamesItsError)
{
    m_platform.encoderBytes = kFailingEncoder;
    const QString input = makeWav(QStringLiteral("cut.wav"));
    prepare({input}, QStringLiteral("64 kbps"), false);

    clickStartConverting();

    EXPECT_FALSE(QFile::exists(aacBeside(input)));
    EXPECT_TRUE(QFile::exists(input));
    EXPECT_EQ(closingMessages(), QStringList{failedMessage(input)});
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

// The old output is replaced only by a whole new one: after a failed encode it is as it was.
TEST_F(ConversionRunTest, FailedEncodeKeepsTheOldOutput)
{
    m_platform.encoderBytes = kFailingEncoder;
    const QString input = makeWav(QStringLiteral("cut.wav"));
    const QByteArray old = wavBytes({8000, 1, 16, 0.25}); // any bytes of an earlier run
    {
        QFile output(aacBeside(input));
        ASSERT_TRUE(output.open(QIODevice::WriteOnly));
        output.write(old);
    }
    prepare({input}, QStringLiteral("64 kbps"), false);

    clickStartConverting();

    QFile output(aacBeside(input));
    ASSERT_TRUE(output.open(QIODevice::ReadOnly));
    EXPECT_EQ(output.readAll(), old);
    EXPECT_EQ(partialsBeside(input), QStringList());
    EXPECT_EQ(closingMessages(), QStringList{failedMessage(input)});
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

// Without MediaInfo every file falls back to the list's entry, with one box for the whole run
// and a count in the closing message; bad inputs fail alone.
TEST_F(ConversionRunTest, BadInputsFailAloneAndLeaveNothing)
{
    m_platform.otherLibrary =
        std::make_unique<MediaInfoLibrary>(QStringLiteral("libmediainfo-not-installed.so.0"));
    const QString first = makeWav(QStringLiteral("first.wav"));
    const QString corrupt = workPath(QStringLiteral("corrupt.wav"));
    const QString empty = workPath(QStringLiteral("empty.wav"));
    {
        QFile file(corrupt);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF\x10\x00\x00\x00WAVEjunkjunkjunk", 24);
        QFile(empty).open(QIODevice::WriteOnly);
    }
    const QString pipe = workPath(QStringLiteral("pipe.wav"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString own = makeWav(QStringLiteral("already.aac"));
    // A folder in the output's place survives deletion, as a file held open elsewhere would.
    const QString blocked = makeWav(QStringLiteral("blocked.wav"));
    ASSERT_TRUE(QDir().mkpath(aacBeside(blocked) + QStringLiteral("/inside")));
    const QString last = makeWav(QStringLiteral("last.wav"), {22050, 2, 16, 1.0});
    prepare({first, corrupt, empty, pipe, own, blocked, last}, QStringLiteral("40 kbps"), true);

    clickStartConverting();

    const QStringList errors = messagesTitled(QLatin1String(kApplicationErrorTitle));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("libmediainfo-not-installed.so.0")));
    EXPECT_TRUE(errors[0].contains(
        QStringLiteral("\r\nin Tessaly2021/08/31.Form1.PushButton2_Click at line 146\r\r")));
    EXPECT_TRUE(isAacOf(aacBeside(first), 1.0, 40));
    EXPECT_TRUE(isAacOf(aacBeside(last), 1.0, 40));
    EXPECT_TRUE(encodes(lastEncode(), encoderUsed(), last, QStringLiteral("40k"), aacBeside(last)));
    const QString invalid = QStringLiteral(
        " - the encoder failed (exit code 1): Invalid data found when processing input\r\n");
    EXPECT_EQ(closingMessages(),
              QStringList{
                  QStringLiteral("Done.\r\n\r\n5 of 7 files failed:\r\n") + corrupt + invalid +
                  empty + invalid + pipe +
                  QStringLiteral(" - the input is missing or not a regular file\r\n") + own +
                  QStringLiteral(" - the output file would replace the input file\r\n") + blocked +
                  QStringLiteral(" - a folder is in the way of the output ") + aacBeside(blocked) +
                  QStringLiteral("\r\n\r\n2 files were converted at "
                                 "the list's rate of 40 kbps, because their own bit rate "
                                 "could not be read.")});
    EXPECT_EQ(encodesStarted(), 4);
    EXPECT_FALSE(QFile::exists(aacBeside(corrupt)) || QFile::exists(aacBeside(empty)));
    EXPECT_TRUE(QDir(aacBeside(blocked) + QStringLiteral("/inside")).exists());
    QFile kept(own);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), wavBytes({16000, 1, 16, 1.0}));
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

// Two inputs of one name saved into one folder would give one output; the later row must not
// replace what the earlier one wrote in the same run.
TEST_F(ConversionRunTest, AnOutputWrittenEarlierInTheRunIsNeverReplaced)
{
    QDir work(m_work.path());
    for (const char* folder : {"a", "b", "out"})
        ASSERT_TRUE(work.mkpath(QString::fromLatin1(folder)));
    const QString first = makeWav(QStringLiteral("a/song.wav"), {16000, 1, 16, 1.0});
    const QString second = makeWav(QStringLiteral("b/song.wav"), {16000, 1, 16, 2.0});
    const QString out = workPath(QStringLiteral("out/song.aac"));
    prepare({first, second}, QStringLiteral("64 kbps"), false);
    saveToFolder(workPath(QStringLiteral("out")));

    clickStartConverting();

    EXPECT_TRUE(isAacOf(out, 1.0, 64));
    EXPECT_EQ(
        closingMessages(),
        QStringList{QStringLiteral("Done.\r\n\r\n1 of 2 files failed:\r\n") + second +
                    QStringLiteral(" - its output %1 is already written from %2").arg(out, first)});

    // The same folder by another name; a new run replaces the last run's outputs as ever.
    ASSERT_EQ(::symlink("a", QFile::encodeName(workPath(QStringLiteral("alias"))).constData()), 0);
    const QString alias = workPath(QStringLiteral("alias/song.wav"));
    m_form->ListView1->removeAllRows();
    m_platform.scripted.messages.clear();
    prepare({first, alias, second}, QStringLiteral("64 kbps"), false); // beside each input

    clickStartConverting();

    EXPECT_TRUE(isAacOf(aacBeside(first), 1.0, 64));
    EXPECT_TRUE(isAacOf(aacBeside(second), 2.0, 64));
    EXPECT_EQ(closingMessages(),
              QStringList{QStringLiteral("Done.\r\n\r\n1 of 3 files failed:\r\n") + alias +
                          QStringLiteral(" - its output %1 is already written from %2")
                              .arg(aacBeside(alias), first)});
}

// Another user cannot stop a run by taking the encoder folder's name in a shared temporary
// folder, nor get their file run: each run makes a folder of its own under a fresh name.
TEST_F(ConversionRunTest, AnotherUsersFolderNeitherStopsNorFeedsARun)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "making a folder of another user's needs root";
    ASSERT_EQ(::chmod(QFile::encodeName(m_temp.path()).constData(), 01777), 0);
    const QString folder = m_temp.filePath(QStringLiteral("brindlecast-%1").arg(::geteuid()));
    const QString planted = folder + QStringLiteral("/ffmpeg");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_NO_THROW(WriteBytesToFile("#!/bin/sh\ntouch \"$0.ran\"\n", planted, 0755));
    ASSERT_EQ(::chown(QFile::encodeName(planted).constData(), 4242, 4242), 0);
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 4242, 4242), 0);
    const QString input = makeWav(QStringLiteral("a.wav"));
    prepare({input}, QStringLiteral("64 kbps"), false);

    clickStartConverting();

    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(isAacOf(aacBeside(input), 1.0, 64));
    EXPECT_FALSE(encoderUsed().startsWith(folder));
    EXPECT_FALSE(QFile::exists(planted + QStringLiteral(".ran")));
    EXPECT_EQ(temporaryFolderContents(), (QStringList{folder, planted}));
}

} // namespace

} // namespace brindlecast::test
