// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileListFixture.h"
#include "FolderFixture.h"
#include "filelist/FileListModel.h"

#include <QDir>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

// Each way into the list: the rows a folder search finds remember the folder searched, a file
// added by itself remembers none.
class RowBaseFolder : public FolderFixture {
protected:
    QStringList baseFolders() const
    {
        QStringList folders;
        for (int row = 1; row <= m_form->ListView1->rowCount(); ++row)
            folders << m_form->ListView1->rowBaseFolder(row);
        return folders;
    }
};

TEST_F(RowBaseFolder, AddAllAndADroppedFolderRememberTheFolderADroppedFileNone)
{
    tree.make({u"Music/Album One/01 - Song 1.wav"_s, u"Music/Album Two/01 - Song 1.wav"_s,
               u"single.wav"_s});
    const QString music = tree.at(u"Music"_s);

    addAll(u"wav"_s, music);
    m_form->addPathsAsDropped({tree.at(u"single.wav"_s), music});
    m_form->ListView1->appendRow(tree.at(u"single.wav"_s)); // as the file dialog adds it

    EXPECT_EQ(rows(),
              (QStringList{music + u"/Album One/01 - Song 1.wav"_s,
                           music + u"/Album Two/01 - Song 1.wav"_s, tree.at(u"single.wav"_s),
                           music + u"/Album One/01 - Song 1.wav"_s,
                           music + u"/Album Two/01 - Song 1.wav"_s, tree.at(u"single.wav"_s)}));
    EXPECT_EQ(baseFolders(), (QStringList{music, music, QString(), music, music, QString()}));
    // The model offers it to anyone who reads the rows by role.
    const QAbstractItemModel* model = m_form->ListView1->model();
    EXPECT_EQ(model->index(0, 0).data(FileListModel::BaseFolderRole).toString(), music);
    EXPECT_EQ(model->index(2, 0).data(FileListModel::BaseFolderRole).toString(), QString());
    EXPECT_EQ(model->index(0, 0).data(Qt::DisplayRole).toString(), rows().front());
}

TEST_F(RowBaseFolder, SampleFilesRememberTheSamplesFolder)
{
    const QString samples = m_platform.applicationFolder() + u"/Samples"_s;
    ASSERT_TRUE(QDir().mkpath(samples));
    QFile sample(samples + u"/a.wav"_s);
    ASSERT_TRUE(sample.open(QIODevice::WriteOnly));
    sample.close();

    m_form->PushButton5->click();

    ASSERT_TRUE(rows().contains(samples + u"/a.wav"_s));
    for (int row = 1; row <= m_form->ListView1->rowCount(); ++row)
        EXPECT_EQ(m_form->ListView1->rowBaseFolder(row), samples) << row;
}

// Rows moved by dragging keep their own folder, whichever way they travel; removing a row takes
// its folder away and leaves the others with theirs; clearing leaves none behind.
class RowBaseFolderMoves : public FileListFixture {
protected:
    QStringList baseFolders() const
    {
        QStringList folders;
        for (int row = 1; row <= list->rowCount(); ++row)
            folders << list->rowBaseFolder(row);
        return folders;
    }
};

TEST_F(RowBaseFolderMoves, EachFolderTravelsWithItsRow)
{
    list->appendRow(u"/music/A/1.wav"_s, u"/music"_s);
    list->appendRow(u"/other/2.wav"_s);
    list->appendRow(u"/music/B/3.wav"_s, u"/music"_s);
    list->appendRow(u"/disk/C/4.wav"_s, u"/disk"_s);

    drag(rowCenter(1), {2, 3}); // 1 travels down past 2 and 3
    EXPECT_EQ(rows(), (QStringList{u"/other/2.wav"_s, u"/music/B/3.wav"_s, u"/music/A/1.wav"_s,
                                   u"/disk/C/4.wav"_s}));
    EXPECT_EQ(baseFolders(), (QStringList{QString(), u"/music"_s, u"/music"_s, u"/disk"_s}));

    drag(rowCenter(4), {3, 2, 1}); // and 4 all the way up
    EXPECT_EQ(rows(), (QStringList{u"/disk/C/4.wav"_s, u"/other/2.wav"_s, u"/music/B/3.wav"_s,
                                   u"/music/A/1.wav"_s}));
    EXPECT_EQ(baseFolders(), (QStringList{u"/disk"_s, QString(), u"/music"_s, u"/music"_s}));

    clickRow(1);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(rows(), (QStringList{u"/other/2.wav"_s, u"/music/B/3.wav"_s, u"/music/A/1.wav"_s}));
    EXPECT_EQ(baseFolders(), (QStringList{QString(), u"/music"_s, u"/music"_s}));

    // A path met twice with different folders: the drag passes over its twin, so neither moves.
    list->appendRow(u"/music/B/3.wav"_s, u"/elsewhere"_s);
    drag(rowCenter(4), {2});
    EXPECT_EQ(baseFolders(), (QStringList{QString(), u"/music"_s, u"/music"_s, u"/elsewhere"_s}));

    list->removeAllRows();
    list->appendRow(u"/x.wav"_s);
    EXPECT_EQ(baseFolders(), QStringList{QString()});
}

} // namespace
} // namespace brindlecast::test
