// SPDX-License-Identifier: GPL-3.0-or-later
// Until the user picks a folder, results go to the desktop; an account without one gets its
// music folder, and without either its home folder. A folder once stored is kept as it is.
#include "app/Form1.h"
#include "support/QtPrinters.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace brindlecast {
namespace {

class DefaultOutputFolder : public test::WindowFixture {
protected:
    void SetUp() override { ASSERT_FALSE(m_settings.contains(QStringLiteral("Output Folder"))); }

    QString stored() const { return m_settings.value(QStringLiteral("Output Folder")).toString(); }

    void removeDesktop() const
    {
        ASSERT_TRUE(QDir(m_platform.desktop).removeRecursively());
        ASSERT_FALSE(QFileInfo::exists(m_platform.desktop));
    }

    void makeMusic() const { ASSERT_TRUE(QDir().mkpath(m_platform.music)); }

    void expectOutputFolder(const QString& folder)
    {
        Form1& form = openWindow();
        EXPECT_EQ(form.Text1->text(), folder);
        EXPECT_EQ(stored(), folder);
        EXPECT_TRUE(m_platform.scripted.messages.isEmpty()) << m_platform.scripted.messages.size();
    }
};

TEST_F(DefaultOutputFolder, IsTheDesktopWhereItExists)
{
    makeMusic(); // the desktop comes first
    expectOutputFolder(m_platform.desktop + u'/');
}

TEST_F(DefaultOutputFolder, IsTheMusicFolderWithoutADesktop)
{
    removeDesktop();
    makeMusic();
    expectOutputFolder(m_platform.music + u'/');
}

TEST_F(DefaultOutputFolder, IsTheHomeFolderWithoutDesktopOrMusic)
{
    removeDesktop();
    ASSERT_FALSE(QFileInfo::exists(m_platform.music));
    expectOutputFolder(m_platform.home + u'/');
    // Starting makes none of the missing folders.
    EXPECT_FALSE(QFileInfo::exists(m_platform.desktop));
    EXPECT_FALSE(QFileInfo::exists(m_platform.music));
}

TEST_F(DefaultOutputFolder, AFileWhereAFolderShouldBeIsPassedOver)
{
    removeDesktop();
    for (const QString& path : {m_platform.desktop, m_platform.music}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }
    expectOutputFolder(m_platform.home + u'/');
}

TEST_F(DefaultOutputFolder, AStoredFolderIsUsedAsItIsEvenWhenItIsGone)
{
    const QString gone = m_platform.home + QStringLiteral("/Converted Long Ago/");
    ASSERT_FALSE(QFileInfo::exists(gone));
    m_settings.setValue(QStringLiteral("Output Folder"), gone);
    expectOutputFolder(gone);
    EXPECT_FALSE(QFileInfo::exists(gone));
}

} // namespace
} // namespace brindlecast
