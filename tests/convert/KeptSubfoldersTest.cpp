// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ConversionFixture.h"
#include "filelist/FileListView.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <unistd.h>

namespace brindlecast::test {
namespace {

// A music folder of two albums that both begin with "01 - Song 1.wav", added with "Add All WAV
// File(s) In Folder" and saved into one output folder.
class KeptSubfolders : public ConversionFixture {
protected:
    void SetUp() override
    {
        ConversionFixture::SetUp();
        ASSERT_TRUE(QDir(m_work.path()).mkpath(QStringLiteral("Music/Album One")));
        ASSERT_TRUE(QDir(m_work.path()).mkpath(QStringLiteral("Music/Album Two")));
        ASSERT_TRUE(QDir(m_work.path()).mkpath(QStringLiteral("out")));
        first = makeWav(QStringLiteral("Music/Album One/01 - Song 1.wav"), {16000, 1, 16, 1.0});
        second = makeWav(QStringLiteral("Music/Album Two/01 - Song 1.wav"), {16000, 1, 16, 2.0});
        out = workPath(QStringLiteral("out"));
    }

    // Adds the music folder as the user does, and saves at the list's constant rate into out.
    void addMusicAndSaveToOut(bool keepSubfolders)
    {
        m_platform.scripted.inputAnswers.push_back(QStringLiteral("wav"));
        m_platform.scripted.folderAnswers.push_back(workPath(QStringLiteral("Music")));
        m_form->PushButton3->click();
        ASSERT_EQ(m_form->ListView1->rowCount(), 2);
        prepare({}, QStringLiteral("64 kbps"), false);
        saveToFolder(out);
        m_form->Check1->setChecked(keepSubfolders);
        m_platform.scripted.messages.clear();
    }

    // Every file below a folder, relative to it.
    static QStringList filesBelow(const QString& folder)
    {
        QStringList found;
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << QDir(folder).relativeFilePath(it.next());
        found.sort();
        return found;
    }

    QString first;
    QString second;
    QString out;
};

TEST_F(KeptSubfolders, EachAlbumGoesIntoItsOwnSubfolder)
{
    addMusicAndSaveToOut(true);

    clickStartConverting();

    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(isAacOf(out + QStringLiteral("/Album One/01 - Song 1.aac"), 1.0, 64));
    EXPECT_TRUE(isAacOf(out + QStringLiteral("/Album Two/01 - Song 1.aac"), 2.0, 64));
    EXPECT_EQ(filesBelow(out), (QStringList{QStringLiteral("Album One/01 - Song 1.aac"),
                                            QStringLiteral("Album Two/01 - Song 1.aac")}));
}

TEST_F(KeptSubfolders, UncheckedTheSecondSongClashesAsBefore)
{
    addMusicAndSaveToOut(false);

    clickStartConverting();

    const QString flat = out + QStringLiteral("/01 - Song 1.aac");
    EXPECT_EQ(closingMessages(),
              QStringList{
                  QStringLiteral("Done.\r\n\r\n1 of 2 files failed:\r\n") + second +
                  QStringLiteral(" - its output %1 is already written from %2").arg(flat, first)});
    EXPECT_TRUE(isAacOf(flat, 1.0, 64));
    EXPECT_EQ(filesBelow(out), QStringList{QStringLiteral("01 - Song 1.aac")});
}

// Files added by themselves were found under no folder: they are saved flat, as are rows whose
// subfolders the box would keep when it is checked but saving beside the inputs is chosen.
TEST_F(KeptSubfolders, SingleFilesAreSavedFlatAndBesideTheInputsNothingChanges)
{
    const QString byDialog = makeWav(QStringLiteral("Music/Album One/02 - Song 2.wav"));
    const QString dropped = makeWav(QStringLiteral("Music/Album Two/03 - Song 3.wav"));
    m_form->ListView1->appendRow(byDialog);
    m_form->addPathsAsDropped({dropped});
    prepare({}, QStringLiteral("64 kbps"), false);
    saveToFolder(out);
    m_form->Check1->setChecked(true);

    clickStartConverting();

    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_EQ(filesBelow(out),
              (QStringList{QStringLiteral("02 - Song 2.aac"), QStringLiteral("03 - Song 3.aac")}));

    // A dropped folder is a folder searched: its rows keep their subfolders below it.
    m_form->ListView1->removeAllRows();
    m_form->addPathsAsDropped({workPath(QStringLiteral("Music"))});
    m_platform.scripted.messages.clear();
    clickStartConverting();
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/Album One/01 - Song 1.aac")));
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/Album Two/03 - Song 3.aac")));

    m_form->Option4->setChecked(true);
    ASSERT_TRUE(m_form->Check1->isChecked());
    m_platform.scripted.messages.clear();
    clickStartConverting();
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(isAacOf(aacBeside(first), 1.0, 64));
    EXPECT_TRUE(isAacOf(aacBeside(second), 2.0, 64));
}

// Another user plants a link where "Album Two" is to be made, pointing at a folder of theirs:
// the link is not followed, that album's song fails and nothing is written outside out.
TEST_F(KeptSubfolders, ALinkPlantedForASubfolderIsNeverFollowed)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    ASSERT_EQ(::symlink(QFile::encodeName(elsewhere.path()).constData(),
                        QFile::encodeName(out + QStringLiteral("/Album Two")).constData()),
              0);
    addMusicAndSaveToOut(true);

    clickStartConverting();

    EXPECT_TRUE(isAacOf(out + QStringLiteral("/Album One/01 - Song 1.aac"), 1.0, 64));
    EXPECT_EQ(filesBelow(elsewhere.path()), QStringList());
    EXPECT_EQ(closingMessages(),
              QStringList{QStringLiteral("Done.\r\n\r\n1 of 2 files failed:\r\n") + second +
                          QStringLiteral(" - %1/Album Two is a link, which is not followed below "
                                         "the output folder")
                              .arg(out)});
    EXPECT_TRUE(QFileInfo(out + QStringLiteral("/Album Two")).isSymLink());
}

} // namespace
} // namespace brindlecast::test
