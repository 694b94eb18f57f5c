// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/FileDrop.h"

#include "FileListFixture.h"
#include "core/FileRows.h"
#include "filelist/CommandLinePaths.h"
#include "support/ByteNamedEntries.h"
#include "support/RecordedRows.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedFileSystem.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

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

QString leftOutText(int count)
{
    return count == 1 ? QStringLiteral("1 file or folder was not added: its name is not valid "
                                       "UTF-8 or holds a NUL character, so no row can name it.")
                      : QStringLiteral("%1 files or folders were not added: their names are not "
                                       "valid UTF-8 or hold a NUL character, so no row can name "
                                       "them.")
                            .arg(count);
}

// A decoded NUL would cut the path where it reaches the system, and name another file.
TEST_F(FileDrop, APathHoldingANulNeverBecomesARowAndIsSaid)
{
    const QString song = make(QStringLiteral("song.wav"));
    QMimeData data;
    data.setUrls(
        {QUrl(QStringLiteral("file://") + QUrl::fromLocalFile(song).path(QUrl::FullyEncoded) +
              QStringLiteral("%00/victim.txt%00.wav")),
         QUrl::fromLocalFile(song)});

    ASSERT_TRUE(dragAndDrop(data));
    EXPECT_EQ(rows(), QStringList{song});
    ASSERT_EQ(m_platform.scripted.messages.size(), 1);
    EXPECT_EQ(m_platform.scripted.messages.front().text, leftOutText(1));
}

// "%FF" and "%EF%BF%BD" decode to the same text; only the second names a file by it.
TEST_F(FileDrop, AUrlWhoseBytesAreNotUtf8IsLeftOutAndSaid)
{
    const QString replacement = make(QStringLiteral("\ufffd/in.wav"));
    const QByteArray folder =
        QUrl::fromLocalFile(m_tree.path()).path(QUrl::FullyEncoded).toLatin1();
    QMimeData data;
    data.setUrls({QUrl(QString::fromLatin1("file://" + folder + "/%FF/in.wav")),
                  QUrl(QString::fromLatin1("file://" + folder + "/%EF%BF%BD/in.wav"))});

    ASSERT_TRUE(dragAndDrop(data));
    EXPECT_EQ(rows(), QStringList{replacement});
    ASSERT_EQ(m_platform.scripted.messages.size(), 1);
    EXPECT_EQ(m_platform.scripted.messages.front().text, leftOutText(1));
}

// "file://localhost/..." and this machine's own name are local files; another host is not.
TEST_F(FileDrop, LocalhostAndThisMachinesNameAreLocal)
{
    const QString album = folder(QStringLiteral("album"));
    const QString track = make(QStringLiteral("album/track.wav"));
    const QString single = make(QStringLiteral("single.wav"));
    const QString encodedAlbum = QUrl::fromLocalFile(album).path(QUrl::FullyEncoded);
    const QString encodedSingle = QUrl::fromLocalFile(single).path(QUrl::FullyEncoded);
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("file://localhost") + encodedAlbum),
                  QUrl(QStringLiteral("file://") + QSysInfo::machineHostName() + encodedSingle)});

    ASSERT_TRUE(dragAndDrop(data));
    EXPECT_EQ(rows(), (QStringList{track, single}));

    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("file://elsewhere.example") + encodedSingle)});
    EXPECT_FALSE(dragAndDrop(remote));
    EXPECT_EQ(rows(), (QStringList{track, single}));
    EXPECT_TRUE(m_platform.scripted.messages.isEmpty());
}

// Names below a dropped folder that are not UTF-8 are left out and said, as for "Add All".
TEST_F(FileDrop, NamesBelowADroppedFolderThatAreNotUtf8AreSaid)
{
    const QString dropped = folder(QStringLiteral("dropped"));
    const QString kept = make(QStringLiteral("dropped/kept.wav"));
    const QByteArray base = QFile::encodeName(dropped) + '/';
    ByteNamedEntries made;
    ASSERT_TRUE(made.folder(base + "\xff"));
    ASSERT_TRUE(made.file(base + "bad\xff.txt"));

    ASSERT_TRUE(dragAndDrop(*filesData({dropped})));
    EXPECT_EQ(rows(), QStringList{kept});
    ASSERT_EQ(m_platform.scripted.messages.size(), 1);
    EXPECT_EQ(m_platform.scripted.messages.front().text, leftOutText(2));
}

TEST_F(FileDrop, CommandLinePathsHoldingANulNeverBecomeRows)
{
    const QString single = make(QStringLiteral("single.wav"));
    m_form->addPathsAsDropped({single + QChar(0) + QStringLiteral("/victim.txt"), single});
    EXPECT_EQ(rows(), QStringList{single});
    ASSERT_EQ(m_platform.scripted.messages.size(), 1);
    EXPECT_EQ(m_platform.scripted.messages.front().text, leftOutText(1));
}

// The program's arguments are read as bytes: one that is not UTF-8 is counted, not turned into
// a path that names another file.
TEST(CommandLinePaths, ArgumentsThatAreNotUtf8AreLeftOutAndCounted)
{
    int leftOut = 0;
    const QStringList paths =
        commandLinePaths({QByteArray("a.wav"), QByteArray("/abs/b\xc3\xa9.wav"),
                          QByteArray("bad\xff.wav"), QByteArray("sub/../c.wav")},
                         QStringLiteral("/music"), leftOut);
    EXPECT_EQ(paths, (QStringList{u"/music/a.wav"_s, QStringLiteral("/abs/b\u00e9.wav"),
                                  u"/music/sub/../c.wav"_s}));
    EXPECT_EQ(leftOut, 1);

    // After the "--" that ends the options, a name like an option is a file, and so is a
    // second "--".
    leftOut = 0;
    EXPECT_EQ(commandLinePaths({QByteArray("--"), QByteArray("--help"), QByteArray("--")},
                               QStringLiteral("/music"), leftOut),
              (QStringList{u"/music/--help"_s, u"/music/--"_s}));
    EXPECT_EQ(leftOut, 0);
}

using RowList = RecordedRows;

// A file below a dropped folder whose attributes cannot be read (it vanished mid-drop) is
// skipped, as the scan skips what it cannot read; a dropped file itself is added as given.
TEST(FolderDrop, AFileWhoseAttributesCannotBeReadIsSkipped)
{
    QTemporaryDir tree;
    for (const char* name : {"a.wav", "gone.wav", "z.wav"}) {
        QFile file(tree.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ScriptedFileSystem files;
    files.failingAttributes << tree.filePath(QStringLiteral("gone.wav"));
    ScriptedDialogs dialogs;
    RowList list;
    QStringList messages;

    ListView1_OLEDragDrop({tree.path(), tree.filePath(QStringLiteral("gone.wav"))}, list, files,
                          dialogs, [&](const QString& text) { messages << text; });
    EXPECT_EQ(list.rows, (QStringList{tree.filePath(QStringLiteral("a.wav")),
                                      tree.filePath(QStringLiteral("z.wav")),
                                      tree.filePath(QStringLiteral("gone.wav"))}));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

} // namespace
} // namespace brindlecast::test
