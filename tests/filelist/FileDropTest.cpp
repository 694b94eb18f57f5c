#include "FileListFixture.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

namespace brindlecast::test {
namespace {

// Drops through Qt's own drag-and-drop events on the list, as a file manager's drop arrives.
class FileDrop : public FileListFixture {
protected:
    QString make(const QString& relativePath, QFileDevice::Permissions permissions = {})
    {
        const QString path = m_tree.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write("RIFF");
        file.close();
        if (permissions)
            QFile::setPermissions(path, permissions);
        return path;
    }
    QString folder(const QString& relativePath)
    {
        const QString path = m_tree.filePath(relativePath);
        QDir().mkpath(path);
        return path;
    }

    static std::unique_ptr<QMimeData> filesData(const QStringList& paths)
    {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        return data;
    }

    // True when the list accepted the drag; drops the data either way.
    bool dragAndDrop(const QMimeData& data)
    {
        const QPoint at = view->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &drop);
        return enter.isAccepted();
    }

    QTemporaryDir m_tree;
};

TEST_F(FileDrop, FoldersAreExpandedAndFilesAddedInTheOrderOfTheData)
{
    const QString first = folder(QStringLiteral("first"));
    const QString a = make(QStringLiteral("first/a.wav"));
    const QString deep = make(QStringLiteral("first/sub/deeper/notes.txt"));
    const QString b = make(QStringLiteral("first/b.wav"));
    const QString middle = make(QStringLiteral("first/sub/middle.wav"));
    const QString second = folder(QStringLiteral("second"));
    const QString song = make(QStringLiteral("second/song.MP3"));
    const QString loose = make(QStringLiteral("loose file.mp3"));
    const QString empty = folder(QStringLiteral("empty"));

    ASSERT_TRUE(dragAndDrop(*filesData({first, loose, empty, second})));

    EXPECT_EQ(rows(), (QStringList{a, b, middle, deep, loose, song}));
}

TEST_F(FileDrop, DroppedFilesAreAddedAsGivenEvenTwiceOrMissing)
{
    const QString song = make(QStringLiteral("song.mp3"));
    const QString gone = m_tree.filePath(QStringLiteral("gone.wav"));

    ASSERT_TRUE(dragAndDrop(*filesData({song, song, gone})));

    EXPECT_EQ(rows(), (QStringList{song, song, gone}));
}

TEST_F(FileDrop, InsideAFolderTildeNamesAndHiddenFilesAreSkippedButReadOnlyHiddenOnesAdded)
{
    const QString dropped = folder(QStringLiteral("dropped"));
    make(QStringLiteral("dropped/~lock.wav"));
    make(QStringLiteral("dropped/.hidden.wav")); // hidden and archive: 34
    const QString readOnlyHidden =
        make(QStringLiteral("dropped/.kept.wav"), QFileDevice::ReadOwner); // 35
    const QString plain = make(QStringLiteral("dropped/plain.wav"));

    ASSERT_TRUE(dragAndDrop(*filesData({dropped})));

    EXPECT_EQ(rows(), (QStringList{readOnlyHidden, plain}));
}

// A folder whose name starts with a dot is still a folder: its files are added, never the
// folder itself as if it were a file.
TEST_F(FileDrop, AHiddenFolderIsExpandedToo)
{
    const QString hidden = folder(QStringLiteral(".config"));
    const QString inside = make(QStringLiteral(".config/take.wav"));

    ASSERT_TRUE(dragAndDrop(*filesData({hidden})));

    EXPECT_EQ(rows(), QStringList{inside});
}

TEST_F(FileDrop, DataWithoutLocalFilesIsRefusedAndAddsNothing)
{
    QMimeData text;
    text.setText(QStringLiteral("/etc/passwd"));
    EXPECT_FALSE(dragAndDrop(text));

    QMimeData web;
    web.setUrls(
        {QUrl(QStringLiteral("https://example.org/a.wav")), QUrl(QStringLiteral("trash:/b.wav"))});
    EXPECT_FALSE(dragAndDrop(web));

    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(FileDrop, OnlyTheLocalFilesOfMixedDataAreAdded)
{
    const QString song = make(QStringLiteral("song.wav"));
    QMimeData mixed;
    mixed.setUrls({QUrl(QStringLiteral("https://example.org/a.wav")), QUrl::fromLocalFile(song)});

    ASSERT_TRUE(dragAndDrop(mixed));

    EXPECT_EQ(rows(), QStringList{song});
}

TEST_F(FileDrop, CommandLinePathsJoinTheListAsADropWould)
{
    const QString dropped = folder(QStringLiteral("album"));
    const QString track = make(QStringLiteral("album/track.wav"));
    const QString single = make(QStringLiteral("single.wav"));

    m_form->addPathsAsDropped({single, dropped});

    EXPECT_EQ(rows(), (QStringList{single, track}));
}

} // namespace
} // namespace brindlecast::test
