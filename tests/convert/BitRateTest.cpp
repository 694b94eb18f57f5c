#include "convert/BitRate.h"

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

struct TextCase {
    const char* given;
    const char* expected;
};

class GetBitRateTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(GetBitRateTest, MakesTheEncoderText)
{
    EXPECT_EQ(getBitRate(QString::fromUtf8(GetParam().given)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Entries, GetBitRateTest,
                         ::testing::Values(TextCase{"128 kbps", "128k"},
                                           TextCase{"128 KBPS", "128k"},
                                           TextCase{"128kbps", "128kbps"}, TextCase{"", ""}));

class AnswerTest : public ::testing::TestWithParam<TextCase> {};

// MediaInfo's bits per second to kilobits, rounded half to even; no answer gives the entry.
TEST_P(AnswerTest, GivesKilobitsOrTheFallback)
{
    EXPECT_EQ(bitRateTextFromAnswer(QString::fromUtf8(GetParam().given), QStringLiteral("64k")),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Answers, AnswerTest,
                         ::testing::Values(TextCase{"128000", "128k"}, TextCase{"1411200", "1411k"},
                                           TextCase{"96500", "96k"}, TextCase{"500", "0k"},
                                           TextCase{"", "64k"}, TextCase{"0", "64k"}));

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
