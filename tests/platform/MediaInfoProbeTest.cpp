// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MediaInfoProbe.h"

#include "platform/MediaInfoLibrary.h"
#include "wav/WavFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace brindlecast::test {
namespace {

TEST(MediaInfoProbe, ReadsRealFilesAndNeverHangsOnAPipe)
{
    QTemporaryDir dir;
    const QString stereo = dir.filePath(QStringLiteral("stereo.wav"));
    const QString named = dir.filePath(QStringLiteral("Grüße 日本 Ωmega.wav"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.wav"));
    // Ten seconds, so that the header adds less than half a kilobit per second.
    ASSERT_TRUE(writeWav(stereo, {44100, 2, 16, 10.0}));
    ASSERT_TRUE(writeWav(named, {22050, 1, 8, 10.0}));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    MediaInfoLibrary library;

    EXPECT_EQ(getAudioBitRate(library, stereo, QStringLiteral("8 kbps")), QStringLiteral("1411k"));
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C"); // cannot spell the name in bytes
    EXPECT_EQ(getAudioBitRate(library, named, QStringLiteral("8 kbps")), QStringLiteral("176k"));
    std::setlocale(LC_CTYPE, saved.c_str());
    EXPECT_EQ(getAudioBitRate(library, pipe, QStringLiteral("24 kbps")), QStringLiteral("24k"));
}

} // namespace
} // namespace brindlecast::test
