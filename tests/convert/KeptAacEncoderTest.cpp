// SPDX-License-Identifier: GPL-3.0-or-later
// The AAC encoder is asked once per state of the file the encoder's bytes came from, across
// runs; a kept answer that cannot be used or trusted is asked again, and the run converts.
#include "convert/FakeRun.h"
#include "support/CaseName.h"
#include "support/FifoWatchdog.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

const QByteArray kListWithPreferred = " A....D libvo_aacenc   Android VisualOn AAC\n";

bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int touch(const QString& path)
{
    const timespec times[2] = {{0, UTIME_OMIT}, {1000, 1}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

mode_t modeOf(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

struct Damage {
    const char* name;
    std::function<void(const QString& record, const QString& source)> apply;
    int questions; // in three runs, the first of which keeps the answer
};

class KeptAacEncoder : public FakeRunFixture, public ::testing::WithParamInterface<Damage> {
protected:
    void SetUp() override
    {
        m_encoderSource = m_work.filePath(QStringLiteral("ffmpeg"));
        ASSERT_TRUE(write(m_encoderSource, "102")); // the bytes of the build the run is given
        m_input = makeWav(QStringLiteral("one.wav"));
    }
    // Converts the input; the AAC encoder its encode named.
    QString codecOfARun()
    {
        m_started.clear();
        m_boxes.clear();
        convert({m_input});
        EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.")});
        EXPECT_TRUE(errorBoxes().isEmpty());
        const QStringList arguments = m_started.value(0).arguments;
        return arguments.value(arguments.indexOf(QStringLiteral("-acodec")) + 1);
    }
    QString record() const
    {
        const QStringList names = QDir(m_folder).entryList(QDir::AllEntries | QDir::System |
                                                           QDir::Hidden | QDir::NoDotAndDotDot);
        return names.size() == 1 ? m_folder + u'/' + names.first() : QString();
    }

    QString m_input;
    QString m_folder = m_cacheHome.filePath(QStringLiteral("brindlecast-studio"));
};

TEST_F(KeptAacEncoder, IsAskedOncePerStateOfTheEncoderFile)
{
    m_encoderList = kListWithPreferred;
    EXPECT_EQ(codecOfARun(), QStringLiteral("libvo_aacenc"));
    m_encoderList.clear(); // what the encoder would say now goes unheard
    EXPECT_EQ(codecOfARun(), QStringLiteral("libvo_aacenc"));
    EXPECT_EQ(m_encoderQuestions, 1);
    EXPECT_EQ(modeOf(m_folder), 0700u);
    EXPECT_EQ(modeOf(record()), 0600u);

    // Touched, its bytes the same: asked again.
    ASSERT_EQ(touch(m_encoderSource), 0);
    EXPECT_EQ(codecOfARun(), QStringLiteral("aac"));
    // Replaced by another file of the same bytes and times: asked again.
    const QString copy = m_work.filePath(QStringLiteral("copy"));
    ASSERT_TRUE(write(copy, "102") && touch(copy) == 0 && touch(m_encoderSource) == 0);
    ASSERT_EQ(::rename(QFile::encodeName(copy).constData(),
                       QFile::encodeName(m_encoderSource).constData()),
              0);
    m_encoderList = kListWithPreferred;
    EXPECT_EQ(codecOfARun(), QStringLiteral("libvo_aacenc"));
    EXPECT_EQ(codecOfARun(), QStringLiteral("libvo_aacenc"));
    EXPECT_EQ(m_encoderQuestions, 3);
}

TEST_F(KeptAacEncoder, BytesFromNoFileAreAskedOncePerProcess)
{
    m_encoderSource.clear();
    codecOfARun();
    codecOfARun();
    EXPECT_EQ(m_encoderQuestions, 1);
    EXPECT_FALSE(QFileInfo::exists(m_folder));
}

TEST_P(KeptAacEncoder, ThatCannotBeTrustedIsAskedAgain)
{
    m_encoderList = kListWithPreferred;
    EXPECT_EQ(codecOfARun(), QStringLiteral("libvo_aacenc"));
    const QString kept = record();
    ASSERT_FALSE(kept.isEmpty());
    GetParam().apply(kept, m_encoderSource);
    const FifoWatchdog watchdog(kept);

    m_encoderList.clear();
    EXPECT_EQ(codecOfARun(), QStringLiteral("aac"));
    EXPECT_EQ(codecOfARun(), QStringLiteral("aac"));
    EXPECT_EQ(m_encoderQuestions, GetParam().questions);
    EXPECT_FALSE(watchdog.hadToRelease());
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, KeptAacEncoder,
    ::testing::Values(
        Damage{"Corrupted",
               [](const QString& record, const QString&) {
                   ASSERT_TRUE(write(record, "brindlecast-studio aac-encoder 1\npath /\n"));
               },
               2},
        Damage{"SymbolicLinkToARecord",
               [](const QString& record, const QString& source) {
                   ASSERT_TRUE(QFile::rename(record, source + QStringLiteral(".kept")));
                   ASSERT_TRUE(QFile::link(source + QStringLiteral(".kept"), record));
               },
               2},
        Damage{"Fifo",
               [](const QString& record, const QString&) {
                   ASSERT_TRUE(QFile::remove(record));
                   ASSERT_EQ(::mkfifo(QFile::encodeName(record).constData(), 0600), 0);
               },
               2},
        Damage{"WritableByOthers",
               [](const QString& record, const QString&) {
                   ASSERT_EQ(::chmod(QFile::encodeName(record).constData(), 0666), 0);
               },
               2},
        Damage{"AnotherUsers",
               [](const QString& record, const QString&) {
                   if (::geteuid() == 0) { // only root can give a file away
                       ASSERT_EQ(::chown(QFile::encodeName(record).constData(), 65534, 65534), 0);
                   }
               },
               ::geteuid() == 0 ? 2 : 1},
        Damage{"FolderOpenToOthers",
               [](const QString& record, const QString&) {
                   const QByteArray folder = QFile::encodeName(record.section(u'/', 0, -2));
                   ASSERT_EQ(::chmod(folder.constData(), 0777), 0);
               },
               2},
        Damage{"FolderCannotBeWritten",
               [](const QString& record, const QString&) {
                   // A file in the folder's place stops root as well.
                   const QString folder = record.section(u'/', 0, -2);
                   ASSERT_TRUE(QDir(folder).removeRecursively() && write(folder, "not a folder"));
               },
               3},
        Damage{"SourceNoLongerHoldsTheBytesRun",
               [](const QString&, const QString& source) { ASSERT_TRUE(write(source, "103")); },
               3}),
    CaseName());

} // namespace
} // namespace brindlecast::test
