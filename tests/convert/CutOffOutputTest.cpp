// SPDX-License-Identifier: GPL-3.0-or-later
// Outputs the encoder could not write whole are failures, even when it exits with 0.
#include "convert/ConversionFixture.h"
#include "platform/EncoderStore.h"
#include "support/QtPrinters.h"
#include "support/TmpfsMount.h"

#include <QDir>
#include <QFile>

namespace brindlecast::test {
namespace {

class CutOffOutput : public ConversionFixture {
protected:
    // Encodes with the installed encoder started by a shell that first runs the given lines.
    void encodeThrough(const QByteArray& shellLines, const QByteArray& encoderOptions = {})
    {
        m_platform.encoderBytes = "#!/bin/sh\n" + shellLines + "\nexec \"" +
                                  QFile::encodeName(installedEncoderPath()) + "\" " +
                                  encoderOptions + " \"$@\"\n";
    }

    // The closing message's line of each failed file, without its path.
    QStringList failureReasons(const QStringList& inputs) const
    {
        QStringList reasons;
        const QStringList messages = closingMessages();
        if (messages.size() != 1)
            return {QStringLiteral("closing messages: ") + messages.join(u'|')};
        for (const QString& line : messages[0].split(QStringLiteral("\r\n"))) {
            for (const QString& input : inputs) {
                if (line.startsWith(input + QStringLiteral(" - ")))
                    reasons.append(line.mid(input.size() + 3));
            }
        }
        return reasons;
    }
};

// A real full disk: the output folder on a 256 KiB file system, 20-second files at 128 kbps
// (about 320 KB each). Each failed output is removed, so every file meets the same full disk.
TEST_F(CutOffOutput, FullDiskFailsEveryFileWithItsCause)
{
    const QString full = workPath(QStringLiteral("full"));
    ASSERT_TRUE(QDir().mkpath(full));
    const TmpfsMount mount(full, "size=256k");
    if (!mount.mounted())
        GTEST_SKIP() << "mounting a small file system needs root; see SizeLimitedOutput";
    QStringList inputs;
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        inputs.append(makeWav(QString::fromLatin1(name), {44100, 1, 16, 20.0}));
    prepare(inputs, QStringLiteral("128 kbps"), false);
    saveToFolder(full);

    clickStartConverting();

    const QStringList reasons = failureReasons(inputs);
    ASSERT_EQ(reasons.size(), 3) << reasons.join(u'\n').toStdString();
    for (const QString& reason : reasons) {
        EXPECT_TRUE(reason.contains(QStringLiteral(": No space left on device")))
            << reason.toStdString();
        EXPECT_FALSE(reason.contains(QStringLiteral("Qavg")) || reason.contains(u'['))
            << reason.toStdString();
    }
    EXPECT_TRUE(closingMessages()[0].contains(QStringLiteral("3 of 3 files failed")));
    EXPECT_TRUE(QDir(full).isEmpty());
    for (const QString& input : inputs)
        EXPECT_TRUE(QFile::exists(input));
}

// Without root: the encoder may write 256 KiB at most (its file-size limit), so it meets a real
// write failure as on a full disk, and exits with 0 all the same.
TEST_F(CutOffOutput, SizeLimitedOutput)
{
    encodeThrough("trap '' XFSZ\nulimit -f 512");
    const QString input = makeWav(QStringLiteral("long.wav"), {44100, 1, 16, 20.0});
    prepare({input}, QStringLiteral("128 kbps"), false);

    clickStartConverting();

    EXPECT_EQ(failureReasons({input}),
              QStringList{QStringLiteral("the output is incomplete: Error closing file %1: File "
                                         "too large")
                              .arg(aacBeside(input))});
    EXPECT_FALSE(QFile::exists(aacBeside(input)));
    EXPECT_TRUE(QFile::exists(input));
}

// An output that stops early without a word from the encoder is caught by its length.
TEST_F(CutOffOutput, SilentlyShortOutput)
{
    encodeThrough({}, "-t 1");
    const QString input = makeWav(QStringLiteral("three.wav"), {16000, 1, 16, 3.0});
    const QString whole = makeWav(QStringLiteral("whole.wav"), {16000, 1, 16, 0.5});
    prepare({input, whole}, QStringLiteral("64 kbps"), false);

    clickStartConverting();

    EXPECT_EQ(failureReasons({input, whole}),
              QStringList{QStringLiteral("the output is cut off: it lasts 1.1 s of 3.0 s")});
    EXPECT_FALSE(QFile::exists(aacBeside(input)));
    EXPECT_TRUE(isAacOf(aacBeside(whole), 0.5, 64));
}

} // namespace
} // namespace brindlecast::test
