// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileListFixture.h"

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

class FileListRows : public FileListFixture {};

// Rows are kept packed; what goes in comes back, character for character, both as the row's text
// and as the text the view shows. Text that no file can be called is never a row.
TEST_F(FileListRows, EveryRowGivesBackItsPathExactly)
{
    const QStringList paths{
        u"/music/plain.wav"_s,
        u"/music/caf\u00e9 \u6771\u4eac.wav"_s,
        u"/music/\U0001D11E clef.wav"_s, // outside the first plane: a surrogate pair
        u"/music/\ufffd.wav"_s,          // the replacement character as a real name
        u"/music/line\nbreak \"quoted\" -x.wav"_s,
        u"/"_s,
        QString(),
    };
    addRows(paths);
    list->appendRow(u"/music/lone "_s + QChar(0xD800) + u".wav"_s);
    list->appendRow(u"/etc/hostname"_s + QChar(0) + u".wav"_s);

    EXPECT_EQ(rows(), paths);
    for (int row = 1; row <= list->rowCount(); ++row)
        EXPECT_EQ(list->model()->index(row - 1, 0).data().toString(), paths[row - 1]) << row;

    list->setRowText(2, paths[3]);
    list->setRowText(3, u"/x"_s + QChar(0));
    EXPECT_EQ(list->rowText(2), paths[3]);
    EXPECT_EQ(list->rowText(3), paths[2]);
}

// A held row follows its own row while others come and go, and dies with it.
TEST_F(FileListRows, ARowHandleFollowsItsRowUntilTheRowGoes)
{
    addRows(numberedPaths(5));
    const QPersistentModelIndex third = list->rowHandle(3);
    list->removeRow(1);
    list->setRowText(2, u"/music/renamed.wav"_s);
    EXPECT_EQ(FileListView::rowOfHandle(third), 2);
    list->removeRow(2);
    EXPECT_EQ(FileListView::rowOfHandle(third), 0);

    const QPersistentModelIndex last = list->rowHandle(list->rowCount());
    list->removeAllRows();
    EXPECT_EQ(FileListView::rowOfHandle(last), 0);
    EXPECT_EQ(list->rowCount(), 0);
}

} // namespace
} // namespace brindlecast::test
