// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MediaHeaders.h"

#include "platform/EncoderStore.h"
#include "platform/MediaInfoLibrary.h"
#include "platform/MediaInfoProbe.h"
#include "wav/WavFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

bool encode(const QStringList& arguments)
{
    QProcess encoder;
    encoder.start(installedEncoderPath(),
                  QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} +
                      arguments);
    return encoder.waitForFinished(-1) && encoder.exitCode() == 0;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The WAVs the tests write, and those the encoder writes, last as long by their headers as
// MediaInfo says. Compressed samples have no exact length by either, and float samples none by
// the headers (MediaInfo counts them as PCM).
TEST(MediaHeaders, AgreeWithMediaInfoOnEveryWave)
{
    QTemporaryDir dir;
    QStringList waves;
    const QList<WavFormat> formats = {
        {8000, 1, 16, 0.5}, {44100, 2, 16, 2.0}, {22050, 1, 8, 1.0001}, {16000, 2, 8, 0.3}};
    for (const WavFormat& format : formats) {
        waves << dir.filePath(QStringLiteral("%1.wav").arg(waves.size()));
        ASSERT_TRUE(writeWav(waves.last(), format));
    }
    // Tags after the samples, in a chunk of odd size; a file cut off in the middle of its data.
    QByteArray tagged = wavBytes({8000, 1, 16, 0.5}) + "LIST" + QByteArray("\x05\0\0\0INFOx\0", 10);
    qToLittleEndian(quint32(tagged.size() - 8), tagged.data() + 4);
    waves << dir.filePath(QStringLiteral("tagged.wav")) << dir.filePath(QStringLiteral("cut.wav"));
    ASSERT_TRUE(writeFile(waves[waves.size() - 2], tagged));
    ASSERT_TRUE(writeFile(waves.last(), wavBytes({8000, 1, 16, 1.0}).chopped(6000)));
    const QString wav = waves.first();
    // Three channels make the encoder write the extensible format.
    for (const auto& [codec, channels] :
         {std::pair{"pcm_s24le", "3"}, std::pair{"pcm_u8", "3"}, std::pair{"pcm_f32le", "1"},
          std::pair{"adpcm_ms", "1"}}) {
        waves << dir.filePath(QStringLiteral("%1.wav").arg(QLatin1String(codec)));
        ASSERT_TRUE(
            encode({QStringLiteral("-i"), wav, QStringLiteral("-ac"), QLatin1String(channels),
                    QStringLiteral("-acodec"), QLatin1String(codec), waves.last()}));
    }
    MediaInfoLibrary library;
    int timed = 0;
    for (const QString& path : waves) {
        const std::optional<double> byHeader = pcmWaveFileSeconds(path);
        std::optional<double> byLibrary = pcmWaveDurationSeconds(library, path);
        if (path.endsWith(QStringLiteral("pcm_f32le.wav")))
            byLibrary = std::nullopt;
        ASSERT_EQ(byHeader.has_value(), byLibrary.has_value()) << path.toStdString();
        if (byHeader) {
            EXPECT_NEAR(*byHeader, *byLibrary, 0.0015) << path.toStdString();
            ++timed;
        }
    }
    EXPECT_EQ(timed, waves.size() - 2);
    EXPECT_EQ(pcmWaveFileSeconds(dir.filePath(QStringLiteral("cut.wav"))), 0.625);
    EXPECT_EQ(pcmWaveFileSeconds(dir.path()), std::nullopt); // only a regular file is read
}

} // namespace
} // namespace brindlecast::test
