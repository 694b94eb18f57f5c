// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"
#include "app/TextProgressBar.h"
#include "core/PointerKind.h"
#include "filelist/FileListView.h"
#include "support/QtPrinters.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace brindlecast {
namespace {

using namespace Qt::StringLiterals;

class StartUp : public test::WindowFixture {
protected:
    Form1& start() { return openWindow(); }

    QString stored(const char* name) const
    {
        return m_settings.value(QString::fromLatin1(name)).toString();
    }

    QStringList errorBoxLines() const
    {
        QStringList lines;
        for (const MessageRequest& box : m_platform.scripted.messages) {
            if (box.title == QStringLiteral("Application Error"))
                lines << box.text.section(QStringLiteral("\r\n"), 1).section(u'\r', 0, 0);
        }
        return lines;
    }
};

TEST_F(StartUp, FirstStartWithAnEmptyStore)
{
    Form1& form = openWindow(Shown::Yes);

    EXPECT_TRUE(m_platform.scripted.messages.isEmpty());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Brindlecast Studio"));
    EXPECT_EQ(form.applicationTitle(), QStringLiteral("Brindlecast"));
    EXPECT_TRUE(form.Option1->isChecked());
    EXPECT_FALSE(form.Combo1->isEnabled());
    EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("128 kbps"));
    EXPECT_TRUE(form.Option3->isChecked());
    EXPECT_FALSE(form.Option4->isChecked());
    EXPECT_TRUE(form.Frame4->isEnabled());
    EXPECT_EQ(form.Text1->text(), m_platform.desktop + u'/');
    EXPECT_EQ(form.ListView1->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral(" WAV File(s)"));
    EXPECT_EQ(form.ListView1->columnWidth(0), 467); // 7000 twips, as shown
    EXPECT_EQ(form.ListView1->header()->sectionSize(0), 467);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white)); // no skin file

    EXPECT_EQ(stored("kbps"), QStringLiteral("128 kbps"));
    EXPECT_EQ(stored("Output Folder"), m_platform.desktop + u'/');
    EXPECT_EQ(stored("Option"), QStringLiteral("1"));
    EXPECT_EQ(stored("Option3"), QStringLiteral("True"));
    EXPECT_EQ(stored("Option4"), QStringLiteral("False"));
}

TEST_F(StartUp, AnyStoredOptionOtherThanOneSelectsTheConstantRate)
{
    for (const char* option : {"2", "3"}) {
        m_settings.setValue(QStringLiteral("Option"), QString::fromLatin1(option));
        m_settings.setValue(QStringLiteral("kbps"), QStringLiteral("96 kbps"));
        Form1& form = start();
        EXPECT_TRUE(form.Option2->isChecked()) << option;
        EXPECT_TRUE(form.Combo1->isEnabled()) << option;
        EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("96 kbps"));
        EXPECT_EQ(stored("Option"), QStringLiteral("2"));
    }
}

TEST_F(StartUp, SaveBesideTheInputsDisablesTheFolderBox)
{
    m_settings.setValue(QStringLiteral("Option3"), QStringLiteral("False"));
    m_settings.setValue(QStringLiteral("Option4"), QStringLiteral("True"));
    m_settings.setValue(QStringLiteral("Output Folder"), QString());
    Form1& form = start();
    EXPECT_EQ(form.Text1->text(), QString()); // stored empty is not absent: no default
    EXPECT_EQ(stored("Output Folder"), QString());
    EXPECT_TRUE(form.Option4->isChecked());
    EXPECT_FALSE(form.Option3->isChecked());
    EXPECT_FALSE(form.Frame4->isEnabled());
    EXPECT_FALSE(form.Text1->isEnabled());
    EXPECT_FALSE(form.PushButton7->isEnabled());
    EXPECT_EQ(stored("Option3"), QStringLiteral("False"));
    EXPECT_EQ(stored("Option4"), QStringLiteral("True"));
}

// The entries are what a stored "kbps" is matched against, so their texts must not drift.
TEST_F(StartUp, TheListOffersEveryConstantRateHighestFirst)
{
    Form1& form = start();
    QStringList entries;
    for (int i = 0; i < form.Combo1->count(); ++i)
        entries << form.Combo1->itemText(i);
    EXPECT_EQ(entries,
              (QStringList{u"320 kbps"_s, u"256 kbps"_s, u"224 kbps"_s, u"192 kbps"_s,
                           u"160 kbps"_s, u"144 kbps"_s, u"128 kbps"_s, u"112 kbps"_s, u"96 kbps"_s,
                           u"80 kbps"_s, u"64 kbps"_s, u"56 kbps"_s, u"48 kbps"_s, u"40 kbps"_s,
                           u"32 kbps"_s, u"24 kbps"_s, u"16 kbps"_s, u"8 kbps"_s}));
    EXPECT_TRUE(errorBoxLines().isEmpty());
}

TEST_F(StartUp, BadStoredValuesAreReportedAndStartUpGoesOn)
{
    m_settings.setValue(QStringLiteral("kbps"), QStringLiteral("100 kbps"));
    m_settings.setValue(QStringLiteral("Option"), QStringLiteral("two"));
    m_settings.setValue(QStringLiteral("Option3"), QStringLiteral("Maybe"));
    m_settings.setValue(QStringLiteral("Option4"), QStringLiteral("True"));
    Form1& form = start();

    EXPECT_EQ(errorBoxLines(),
              (QStringList{QStringLiteral("in Tessaly2021/08/31.Form1.Form_Load at line 172"),
                           QStringLiteral("in Tessaly2021/08/31.Form1.Form_Load at line 176"),
                           QStringLiteral("in Tessaly2021/08/31.Form1.Form_Load at line 182")}));
    EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("128 kbps")); // after the box
    EXPECT_EQ(stored("kbps"), QStringLiteral("128 kbps"));
    EXPECT_TRUE(form.Option1->isChecked()); // a failed test lets the step it guards run
    EXPECT_TRUE(form.Option4->isChecked());
    EXPECT_FALSE(form.Frame4->isEnabled());
    EXPECT_EQ(form.Text1->text(), m_platform.desktop + u'/'); // later steps still ran
}

TEST_F(StartUp, AStoredRateThatIsNoEntryFallsBackToTheDefaultAfterTheBox)
{
    for (const char* rate : {"abc", "99999999999 kbps"}) {
        m_platform.scripted.messages.clear();
        m_settings.setValue(QStringLiteral("kbps"), QString::fromLatin1(rate));
        m_settings.setValue(QStringLiteral("Option"), QStringLiteral("2"));
        Form1& form = start();
        EXPECT_EQ(errorBoxLines(),
                  QStringList{QStringLiteral("in Tessaly2021/08/31.Form1.Form_Load at line 172")});
        EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("128 kbps")) << rate;
        EXPECT_TRUE(form.Combo1->isEnabled());
    }
}

TEST_F(StartUp, PlatformFailuresAreReportedAtTheirSteps)
{
    QFile image(m_platform.appFolder + QStringLiteral("/HAND-M.CUR"));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly | QIODevice::Truncate));
    image.write("not an image");
    image.close();
    // No desktop, music or home folder can be told.
    m_platform.desktop.clear();
    m_platform.music.clear();
    m_platform.home.clear();
    Form1& form = start();
    EXPECT_EQ(errorBoxLines(),
              (QStringList{QStringLiteral("in Tessaly2021/08/31.Form1.Form_Load at line 106"),
                           QStringLiteral("in Tessaly2021/08/31.Form1.Form_Load at line 174")}));
    EXPECT_EQ(form.Text1->text(), QString());
    EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("128 kbps"));
    EXPECT_FALSE(m_settings.contains(QStringLiteral("Output Folder")));
}

TEST_F(StartUp, UserChangesAreStoredAtOnce)
{
    Form1& form = start();
    form.show();
    QTest::mouseClick(form.Option4, Qt::LeftButton);
    EXPECT_EQ(stored("Option3"), QStringLiteral("False"));
    EXPECT_EQ(stored("Option4"), QStringLiteral("True"));
    EXPECT_FALSE(form.Frame4->isEnabled());

    QTest::mouseClick(form.Option3, Qt::LeftButton);
    EXPECT_EQ(stored("Option3"), QStringLiteral("True"));
    EXPECT_EQ(stored("Option4"), QStringLiteral("False"));
    EXPECT_TRUE(form.Frame4->isEnabled());

    QTest::mouseClick(form.Option2, Qt::LeftButton);
    EXPECT_TRUE(form.Combo1->isEnabled());
    form.Combo1->setCurrentIndex(form.Combo1->findText(QStringLiteral("8 kbps")));
    EXPECT_EQ(stored("kbps"), QStringLiteral("8 kbps"));
    QTest::mouseClick(form.Option1, Qt::LeftButton);
    EXPECT_FALSE(form.Combo1->isEnabled());
    EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("8 kbps"));
    EXPECT_EQ(stored("Option"), QStringLiteral("1"));

    form.Text1->clear();
    EXPECT_EQ(stored("Output Folder"), QString());
    QTest::keyClicks(form.Text1, QStringLiteral("/tm"));
    EXPECT_EQ(stored("Output Folder"), QStringLiteral("/tm"));
}

class Hover : public StartUp {
protected:
    Form1& startShown() { return openWindow(Shown::Yes); }

    static void moveOver(QWidget* widget)
    {
        QTest::mouseMove(widget, widget->rect().center());
        QCoreApplication::processEvents();
    }
};

TEST_F(Hover, ButtonsShowTheHandAndTheBackgroundTheDefault)
{
    Form1& form = startShown();

    moveOver(form.PushButton2);
    EXPECT_EQ(form.mousePointer(), PointerHover);
    EXPECT_EQ(form.cursor().shape(), Qt::BitmapCursor);
    moveOver(form.Frame2);
    EXPECT_EQ(form.mousePointer(), PointerDefault);
    moveOver(form.PushButton7);
    EXPECT_EQ(form.mousePointer(), PointerHover);
    moveOver(form.Text1);
    EXPECT_EQ(form.mousePointer(), PointerDefault);
}

TEST_F(Hover, NeverReplacesTheBusyPointer)
{
    Form1& form = startShown();
    form.setMousePointer(PointerBusy);
    for (QWidget* widget : {static_cast<QWidget*>(form.PushButton2),
                            static_cast<QWidget*>(form.Frame3), static_cast<QWidget*>(&form)}) {
        moveOver(widget);
        EXPECT_EQ(form.mousePointer(), PointerBusy);
        EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);
    }
}

TEST_F(Hover, WhileBusyTheHourglassShowsOverEveryControl)
{
    Form1& form = startShown();
    form.ListView1->appendRow(QStringLiteral("/music/a.wav"));
    form.setMousePointer(PointerBusy);
    moveOver(form.Text1);

    QSet<QString> kinds;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        if (control->window() != &form)
            continue; // the drop-down of the bit rates opens as a window of its own
        kinds.insert(QString::fromLatin1(control->metaObject()->className()));
        EXPECT_EQ(control->cursor().shape(), Qt::WaitCursor)
            << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
    for (const char* kind : {"QLineEdit", "QPushButton", "QRadioButton", "QComboBox", "QGroupBox",
                             "brindlecast::FileListView", "brindlecast::TextProgressBar"})
        EXPECT_TRUE(kinds.contains(QString::fromLatin1(kind))) << kind;

    form.setMousePointer(PointerDefault);
    EXPECT_EQ(form.Text1->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(form.PushButton2->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(form.ListView1->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Hover, WithoutThePointerImageTheButtonsShowTheNormalPointer)
{
    QFile::remove(m_platform.appFolder + QStringLiteral("/HAND-M.CUR"));
    Form1& form = startShown();
    moveOver(form.PushButton1);
    EXPECT_EQ(form.mousePointer(), PointerHover);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(m_platform.scripted.messages.isEmpty());
}

TEST_F(StartUp, ClosingTheWindowEndsTheProcessAtOnce)
{
    Form1& form = start();
    form.show();
    form.close();
    EXPECT_EQ(m_platform.endProcessCalls, 1);
    EXPECT_TRUE(m_platform.scripted.messages.isEmpty());
}

TEST_F(StartUp, ASkinFileSwitchesTheSkinnedLookOn)
{
    QDir(m_platform.appFolder).mkpath(QStringLiteral("x"));
    QFile skin(m_platform.appFolder + QStringLiteral("/x/o.cjs"));
    ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
    skin.write("QPushButton { color: #204080; }");
    skin.close();
    Form1& form = start();
    EXPECT_EQ(form.styleSheet(), QStringLiteral("QPushButton { color: #204080; }"));
    EXPECT_NE(form.palette().color(QPalette::Window), QColor(Qt::white));
}

} // namespace
} // namespace brindlecast
