// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AdtsDuration.h"
#include "platform/EncoderStore.h"
#include "platform/MediaInfoLibrary.h"
#include "platform/MediaInfoProbe.h"
#include "wav/WavFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

TEST(OutputDurations, InputByMediaInfoAndOutputByItsFrames)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("in.wav"));
    const QString aac = dir.filePath(QStringLiteral("out.aac"));
    ASSERT_TRUE(writeWav(wav, {22050, 2, 16, 2.0}));
    const QString adpcm = dir.filePath(QStringLiteral("adpcm.wav"));
    for (const QStringList& options :
         {QStringList{QStringLiteral("-ab"), QStringLiteral("96k"), aac},
          QStringList{QStringLiteral("-acodec"), QStringLiteral("adpcm_ms"), adpcm}}) {
        QProcess encoder;
        encoder.start(
            installedEncoderPath(),
            QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), wav} +
                options);
        ASSERT_TRUE(encoder.waitForFinished(-1) && encoder.exitCode() == 0);
    }
    MediaInfoLibrary library;

    EXPECT_EQ(pcmWaveDurationSeconds(library, wav), 2.0);
    // The headers alone give a compressed WAV's length only as an estimate, seconds off.
    EXPECT_EQ(pcmWaveDurationSeconds(library, adpcm), std::nullopt);
    const std::optional<double> whole = adtsDurationSeconds(aac);
    ASSERT_TRUE(whole.has_value());
    EXPECT_GE(*whole, 2.0);
    EXPECT_LE(*whole, 2.2); // a frame or two of priming and padding

    // Cut in the middle of a frame, as a full disk leaves it: the torn frame does not count.
    QFile file(aac);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2 + 3));
    file.close();
    const std::optional<double> cut = adtsDurationSeconds(aac);
    ASSERT_TRUE(cut.has_value());
    EXPECT_GT(*cut, 0.6);
    EXPECT_LT(*cut, 1.2);

    EXPECT_EQ(adtsDurationSeconds(wav), std::nullopt); // not an ADTS stream
    EXPECT_EQ(adtsDurationSeconds(dir.filePath(QStringLiteral("missing.aac"))), std::nullopt);
    EXPECT_EQ(pcmWaveDurationSeconds(library, dir.filePath(QStringLiteral("missing.wav"))),
              std::nullopt);
}

} // namespace
} // namespace brindlecast::test
