#include "convert/BitRate.h"

#include "convert/WavFile.h"
#include "platform/Failure.h"
#include "platform/MediaInfoLibrary.h"

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
                         ::testing::Values(TextCase{"128 kbps", "128k"}, TextCase{"8 kbps", "8k"},
                                           TextCase{"320 kbps", "320k"},
                                           TextCase{"128 KBPS", "128k"},
                                           TextCase{"128kbps", "128kbps"},
                                           TextCase{"  96 Kbps  ", "96k"}, TextCase{"", ""}));

class AnswerTest : public ::testing::TestWithParam<TextCase> {};

// The list's entry "64k" is the fallback.
TEST_P(AnswerTest, GivesKilobitsOrTheFallback)
{
    EXPECT_EQ(bitRateTextFromAnswer(QString::fromUtf8(GetParam().given), QStringLiteral("64k")),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Answers, AnswerTest,
                         ::testing::Values(TextCase{"128000", "128k"}, TextCase{"1411200", "1411k"},
                                           TextCase{"96500", "96k"}, // 96.5 to the even 96
                                           TextCase{"97500", "98k"}, // 97.5 to the even 98
                                           TextCase{"500", "0k"},    // 0.5 to the even 0
                                           TextCase{"1500", "2k"},   // 1.5 to the even 2
                                           TextCase{" 256000 ", "256k"}, TextCase{"", "64k"},
                                           TextCase{"0", "64k"}, TextCase{"-5", "64k"},
                                           TextCase{"abc", "64k"}));

TEST(BitRateAnswer, NumbersThatDoNotConvertOrOverflowAreFailures)
{
    EXPECT_THROW(bitRateTextFromAnswer(QStringLiteral("128000 / 96000"), QString()), Failure);
    EXPECT_THROW(bitRateTextFromAnswer(QStringLiteral("32767500"), QString()), Failure);
    EXPECT_EQ(bitRateTextFromAnswer(QStringLiteral("32767499"), QString()),
              QStringLiteral("32767k"));
    EXPECT_THROW(bitRateTextFromAnswer(QStringLiteral("3000000000"), QString()), Failure);
}

TEST(BitRateAnswer, LeadingNumberReadsLikeVal)
{
    EXPECT_EQ(leadingNumber(QStringLiteral(" 12 34abc")), 1234);
    EXPECT_EQ(leadingNumber(QStringLiteral("1.5e3x")), 1500);
    EXPECT_EQ(leadingNumber(QStringLiteral("x12")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("-7")), -7);
}

TEST(WideStringFromPointer, CopiesUpToTheTerminator)
{
    EXPECT_EQ(WideStringFromPointer(nullptr), QString());
    EXPECT_EQ(WideStringFromPointer(L""), QString());
    EXPECT_EQ(WideStringFromPointer(L"1411200"), QStringLiteral("1411200"));
    EXPECT_EQ(WideStringFromPointer(L"Gr\u00fc\u00dfe \U0001F3B5"),
              QStringLiteral("Grüße \U0001F3B5"));
}

TEST(MediaInfoProbe, ReadsTheBitRateOfRealFiles)
{
    QTemporaryDir dir;
    const QString stereo = dir.filePath(QStringLiteral("stereo Ωmega.wav"));
    const QString mono8 = dir.filePath(QStringLiteral("mono8.wav"));
    ASSERT_TRUE(
        writeWav(stereo, {44100, 2, 16, 10.0})); // long enough that the header adds < 0.5 kbps
    ASSERT_TRUE(writeWav(mono8, {22050, 1, 8, 10.0}));
    MediaInfoLibrary library;

    // The overall rate: 1,411,200 bits per second of sound plus the header's share.
    const double answer = mediaInfoGeneralBitRate(library, stereo).toDouble();
    EXPECT_GE(answer, 1411200);
    EXPECT_LT(answer, 1411300);
    EXPECT_EQ(getAudioBitRate(library, stereo, QStringLiteral("128 kbps")),
              QStringLiteral("1411k"));
    EXPECT_EQ(getAudioBitRate(library, mono8, QStringLiteral("128 kbps")), QStringLiteral("176k"));
    // A file the library cannot read gives no answer, so the list's entry is used.
    EXPECT_EQ(getAudioBitRate(library, dir.filePath(QStringLiteral("missing.wav")),
                              QStringLiteral("96 kbps")),
              QStringLiteral("96k"));
}

TEST(MediaInfoProbe, NamesBeyondAsciiAreReadWhateverTheLocale)
{
    QTemporaryDir dir;
    const QString named = dir.filePath(QStringLiteral("Grüße 日本 Ωmega.wav"));
    ASSERT_TRUE(writeWav(named, {16000, 1, 16, 1.0}));
    MediaInfoLibrary library;
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "C"); // cannot spell the name in bytes
    const QString answer = getAudioBitRate(library, named, QStringLiteral("8 kbps"));
    std::setlocale(LC_CTYPE, saved.c_str());
    EXPECT_EQ(answer, QStringLiteral("256k"));
}

TEST(MediaInfoProbe, PipesAndFoldersAnswerNothingInsteadOfHanging)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.wav"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    MediaInfoLibrary library;
    EXPECT_EQ(mediaInfoGeneralBitRate(library, pipe), QString());
    EXPECT_EQ(mediaInfoGeneralBitRate(library, dir.path()), QString());
    EXPECT_EQ(getAudioBitRate(library, pipe, QStringLiteral("24 kbps")), QStringLiteral("24k"));
}

TEST(MediaInfoProbe, MissingLibraryIsAFailureNotACrash)
{
    MediaInfoLibrary library(QStringLiteral("libmediainfo-not-installed.so.0"));
    EXPECT_THROW(getAudioBitRate(library, QStringLiteral("/x.wav"), QStringLiteral("8 kbps")),
                 Failure);
    // A library without the entry points: the C library is always there.
    MediaInfoLibrary wrong(QStringLiteral("libc.so.6"));
    try {
        wrong.entryPoints();
        FAIL() << "entry points found in the wrong library";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.number(), 453);
        EXPECT_TRUE(failure.description().contains(QStringLiteral("MediaInfo_New")));
    }
}

} // namespace

} // namespace brindlecast::test
