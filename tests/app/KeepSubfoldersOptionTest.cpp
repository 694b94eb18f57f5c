// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "support/QtPrinters.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace brindlecast {
namespace {

class KeepSubfoldersOption : public test::WindowFixture {
protected:
    QString stored() const { return m_settings.value(QStringLiteral("Keep Folders")).toString(); }
    bool isStored() const { return m_settings.contains(QStringLiteral("Keep Folders")); }
};

TEST_F(KeepSubfoldersOption, SitsBesideTheFolderChoiceAndStartsUncheckedWithoutAWrite)
{
    Form1& form = openWindow(Shown::Yes);
    EXPECT_EQ(form.Check1->parentWidget(), form.Frame3);
    EXPECT_EQ(form.Check1->text(), QStringLiteral("Keep subfolders"));
    EXPECT_EQ(form.Check1->geometry(), QRect(272, 20, 232, 17)); // 4080, 300, 3480, 255 twips
    EXPECT_EQ(form.Check1->geometry().top(), form.Option3->geometry().top());
    EXPECT_GT(form.Check1->geometry().left(), form.Option3->geometry().right());
    EXPECT_FALSE(form.Check1->accessibleName().isEmpty());
    EXPECT_FALSE(form.Check1->isChecked());
    EXPECT_TRUE(form.Check1->isEnabled());
    EXPECT_FALSE(isStored());
    EXPECT_TRUE(m_platform.scripted.messages.isEmpty());
}

TEST_F(KeepSubfoldersOption, IsUsableExactlyWhileSavingToTheChosenFolder)
{
    Form1& form = openWindow(Shown::Yes);
    form.Check1->setChecked(true);
    QTest::mouseClick(form.Option4, Qt::LeftButton);
    EXPECT_FALSE(form.Check1->isEnabled());
    EXPECT_TRUE(form.Check1->isChecked()); // kept for when the folder is chosen again
    QTest::mouseClick(form.Option3, Qt::LeftButton);
    EXPECT_TRUE(form.Check1->isEnabled());
    EXPECT_TRUE(form.Check1->isChecked());
    m_form.reset();

    m_settings.setValue(QStringLiteral("Option3"), QStringLiteral("False"));
    m_settings.setValue(QStringLiteral("Option4"), QStringLiteral("True"));
    EXPECT_FALSE(openWindow().Check1->isEnabled());
    m_form.reset();

    // Neither stored as chosen: no folder is chosen, so there is nothing to keep below.
    m_settings.setValue(QStringLiteral("Option4"), QStringLiteral("False"));
    Form1& neither = openWindow();
    EXPECT_FALSE(neither.Option3->isChecked());
    EXPECT_FALSE(neither.Check1->isEnabled());
}

TEST_F(KeepSubfoldersOption, EveryChangeIsStoredAtOnceAndRestoredAtTheNextStart)
{
    Form1& form = openWindow(Shown::Yes);
    QTest::mouseClick(form.Check1, Qt::LeftButton);
    EXPECT_TRUE(form.Check1->isChecked());
    EXPECT_EQ(stored(), QStringLiteral("1"));
    m_form.reset();

    Form1& again = openWindow(Shown::Yes);
    EXPECT_TRUE(again.Check1->isChecked());
    EXPECT_TRUE(again.Check1->isEnabled());
    QTest::mouseClick(again.Check1, Qt::LeftButton);
    EXPECT_EQ(stored(), QStringLiteral("0"));
    m_form.reset();

    EXPECT_FALSE(openWindow().Check1->isChecked());
}

TEST_F(KeepSubfoldersOption, AnyStoredTextButOneLeavesItUncheckedWithoutABox)
{
    for (const QString& text :
         {QStringLiteral("True"), QStringLiteral("yes"), QStringLiteral("2"), QStringLiteral(" 1"),
          QStringLiteral("1.0"), QStringLiteral("-1"), QString(), QStringLiteral("ü")}) {
        m_settings.setValue(QStringLiteral("Keep Folders"), text);
        Form1& form = openWindow();
        EXPECT_FALSE(form.Check1->isChecked()) << text.toStdString();
        EXPECT_TRUE(m_platform.scripted.messages.isEmpty()) << text.toStdString();
        // Left as it was until the user changes the box.
        EXPECT_EQ(stored(), text);
        m_form.reset();
    }
}

} // namespace
} // namespace brindlecast
