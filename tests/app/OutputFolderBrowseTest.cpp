// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "filelist/BrowseForFolder.h"
#include "support/QtPrinters.h"
#include "support/WindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

class OutputFolderBrowse : public WindowFixture {
protected:
    void SetUp() override { openWindow(); }

    void browse(const QString& answer)
    {
        m_platform.scripted.folderAnswers.push_back(answer);
        m_form->PushButton7->click();
    }

    QString stored(const char* name) const
    {
        return m_settings.value(QString::fromLatin1(name)).toString();
    }
};

// The box gets a separator only where the pick lacks one; "LastFolderDot" keeps the pick as it
// came, and the next browse opens there.
TEST_F(OutputFolderBrowse, ThePickedFolderGoesIntoTheBoxWithOneTrailingSeparator)
{
    browse(QStringLiteral("/music/out"));
    EXPECT_EQ(m_form->Text1->text(), QStringLiteral("/music/out/"));
    EXPECT_EQ(stored("Output Folder"), QStringLiteral("/music/out/"));
    EXPECT_EQ(stored("LastFolderDot"), QStringLiteral("/music/out"));

    browse(QStringLiteral("/"));
    EXPECT_EQ(m_form->Text1->text(), QStringLiteral("/"));
    EXPECT_EQ(stored("Output Folder"), QStringLiteral("/"));
    EXPECT_EQ(stored("LastFolderDot"), QStringLiteral("/"));

    // A picker answer with its own separator still gives exactly one.
    browse(QStringLiteral("/music/"));
    EXPECT_EQ(m_form->Text1->text(), QStringLiteral("/music/"));
    EXPECT_EQ(stored("LastFolderDot"), QStringLiteral("/music"));

    EXPECT_EQ(m_platform.scripted.folderBrowserStarts,
              (QStringList{u""_s, u"/music/out"_s, u"/"_s}));
    EXPECT_EQ(m_platform.scripted.folderBrowserTitles, QStringList(3, u"Please select folder:"_s));
    EXPECT_TRUE(m_platform.scripted.messages.isEmpty());
}

TEST_F(OutputFolderBrowse, CancelChangesNothing)
{
    browse(QStringLiteral("/music/out"));
    browse(QString());
    EXPECT_EQ(m_form->Text1->text(), QStringLiteral("/music/out/"));
    EXPECT_EQ(stored("Output Folder"), QStringLiteral("/music/out/"));
    EXPECT_EQ(stored("LastFolderDot"), QStringLiteral("/music/out"));
    EXPECT_EQ(m_platform.scripted.folderBrowserStarts.last(), QStringLiteral("/music/out"));
    EXPECT_TRUE(m_platform.scripted.messages.isEmpty());
}

} // namespace
} // namespace brindlecast::test
