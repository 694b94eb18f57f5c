// SPDX-License-Identifier: GPL-3.0-or-later
// A settings store that cannot be written: handlers with an error box tell each failed write,
// the others each key's first, and the window keeps working from memory.
#include "app/Form1.h"
#include "filelist/FileListView.h"
#include "support/FifoWatchdog.h"
#include "support/QtPrinters.h"
#include "support/TmpfsMount.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

class StoreFailures : public WindowFixture {
protected:
    QStringList errorBoxes() const
    {
        QStringList boxes;
        for (const MessageRequest& box : m_platform.scripted.messages) {
            if (box.title == QStringLiteral("Application Error"))
                boxes << box.text.section(u'\r', 0, 1);
        }
        return boxes;
    }

    QString failure(const char* key) const
    {
        return QStringLiteral("Could not write the setting \"%1\" to %2; it is kept until the "
                              "program ends")
            .arg(QString::fromLatin1(key), m_settings.fileName());
    }

    static QString at(const char* procedure, int line)
    {
        return QStringLiteral("\r\nin Tessaly2021/08/31.Form1.%1 at line %2")
            .arg(QString::fromLatin1(procedure))
            .arg(line);
    }
};

class UnwritableSettings : public StoreFailures {
protected:
    // The config folder read-only: a folder without write permission; where the test runs as
    // root (which ignores permission bits), a read-only file system, or, where mounting is not
    // permitted either, a folder in the settings file's place.
    void SetUp() override
    {
        m_folder = QFileInfo(m_settings.fileName()).path();
        ASSERT_TRUE(QDir().mkpath(m_folder));
        if (::geteuid() != 0) {
            ASSERT_EQ(::chmod(QFile::encodeName(m_folder).constData(), 0500), 0);
            return;
        }
        m_readOnly = std::make_unique<TmpfsMount>(m_folder, "size=16k", MS_RDONLY);
        if (!m_readOnly->mounted()) {
            ASSERT_TRUE(QDir().mkpath(m_settings.fileName()));
        }
    }
    void TearDown() override
    {
        StoreFailures::TearDown();
        m_readOnly.reset();
        ::chmod(QFile::encodeName(m_folder).constData(), 0700);
    }

    QString m_folder;
    std::unique_ptr<TmpfsMount> m_readOnly;
};

TEST_F(UnwritableSettings, StartUpTellsEachFailedWriteAndTheWindowWorksOn)
{
    Form1& form = openWindow(Shown::Yes);
    EXPECT_EQ(errorBoxes(), (QStringList{failure("kbps") + at("Form_Load", 172),
                                         failure("Output Folder") + at("Form_Load", 174),
                                         failure("Option") + at("Form_Load", 178),
                                         failure("Option3") + at("Form_Load", 182)}));
    // The controls follow the restored choices all the same.
    EXPECT_FALSE(form.Combo1->isEnabled());
    EXPECT_TRUE(form.Frame4->isEnabled());
    m_platform.scripted.messages.clear();

    QTest::keyClicks(form.Text1, QStringLiteral("/music"));
    QTest::mouseClick(form.Option2, Qt::LeftButton);
    form.Combo1->setCurrentIndex(form.Combo1->findText(QStringLiteral("64 kbps")));
    QTest::mouseClick(form.Option4, Qt::LeftButton);
    QTest::mouseClick(form.Option3, Qt::LeftButton);

    // Start-up tried every key, so the option handlers, which have no box, say nothing more.
    EXPECT_EQ(m_platform.scripted.messageTexts(), QStringList());
    EXPECT_TRUE(form.Combo1->isEnabled());
    EXPECT_TRUE(form.Option3->isChecked());
    EXPECT_TRUE(form.Frame4->isEnabled());
    EXPECT_FALSE(QFileInfo(m_settings.fileName()).isFile());
}

// The store turns unwritable while the window is open: a folder takes the file's place.
class SettingsLostAfterStartUp : public StoreFailures {
protected:
    Form1& openAndLoseTheStore()
    {
        Form1& form = openWindow(Shown::Yes);
        EXPECT_TRUE(QFile::remove(m_settings.fileName()));
        EXPECT_TRUE(QDir().mkpath(m_settings.fileName()));
        return form;
    }
};

TEST_F(SettingsLostAfterStartUp, TheDependentControlsFollowTheSelectedButtonAnyway)
{
    Form1& form = openAndLoseTheStore();

    QTest::mouseClick(form.Option4, Qt::LeftButton);
    EXPECT_FALSE(form.Frame4->isEnabled());
    EXPECT_FALSE(form.PushButton7->isEnabled());
    QTest::mouseClick(form.Option2, Qt::LeftButton);
    EXPECT_TRUE(form.Combo1->isEnabled());
    QTest::mouseClick(form.Option3, Qt::LeftButton);
    EXPECT_TRUE(form.Frame4->isEnabled());
    QTest::mouseClick(form.Option1, Qt::LeftButton);
    EXPECT_FALSE(form.Combo1->isEnabled());

    // The option buttons have no box: the first failure of each key is told, in a plain box.
    EXPECT_EQ(m_platform.scripted.messageTexts(),
              (QStringList{failure("Option3"), failure("Option")}));
}

TEST_F(SettingsLostAfterStartUp, HandlersWithAnErrorBoxTellEveryFailedWrite)
{
    Form1& form = openAndLoseTheStore();
    QTemporaryDir music;
    ASSERT_TRUE(QFile(music.filePath(QStringLiteral("a.wav"))).open(QIODevice::WriteOnly));

    for (const QString& pick : {QStringLiteral("/music/one"), QStringLiteral("/music/two")}) {
        m_platform.scripted.folderAnswers.push_back(pick);
        form.PushButton7->click();
        m_platform.scripted.inputAnswers.push_back(QStringLiteral("wav"));
        m_platform.scripted.folderAnswers.push_back(music.path());
        form.PushButton3->click();
    }
    const QStringList boxes{failure("LastFolderDot") + at("PushButton7_Click", 104),
                            failure("Output Folder") + at("PushButton7_Click", 106),
                            failure("Extension") + at("PushButton3_Click", 100),
                            failure("LastFolder") + at("PushButton3_Click", 334)};
    EXPECT_EQ(errorBoxes(), boxes + boxes);
    EXPECT_EQ(form.Text1->text(), QStringLiteral("/music/two/"));
    EXPECT_EQ(form.ListView1->rowCount(), 2);
    EXPECT_EQ(m_platform.scripted.folderBrowserStarts,
              (QStringList{QString(), QString(), QStringLiteral("/music/one"), music.path()}));

    // Typing has no box: "Output Folder" was told already.
    m_platform.scripted.messages.clear();
    QTest::keyClicks(form.Text1, QStringLiteral("x"));
    EXPECT_TRUE(m_platform.scripted.messages.isEmpty());
}

TEST_F(StoreFailures, AFifoInTheFilesPlaceIsNeverOpenedAndStartUpSaysSo)
{
    // Asked before the FIFO is there: the sandbox reads the file through QSettings.
    const QString file = m_settings.fileName();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    const FifoWatchdog watchdog(file);

    Form1& form = openWindow(Shown::Yes);

    EXPECT_FALSE(watchdog.hadToRelease()) << "start-up waited in open()";
    const QString notRegular =
        QStringLiteral("The settings file %1 is not a regular file, so it is neither read nor "
                       "written; the choices are kept until the program ends")
            .arg(file);
    EXPECT_EQ(errorBoxes(),
              (QStringList{notRegular + at("Form_Load", 172), notRegular + at("Form_Load", 174),
                           notRegular + at("Form_Load", 178), notRegular + at("Form_Load", 182)}));
    EXPECT_EQ(form.Combo1->currentText(), QStringLiteral("128 kbps"));
    EXPECT_TRUE(form.Option1->isChecked());
    EXPECT_TRUE(form.Option3->isChecked());
    EXPECT_EQ(form.Text1->text(), m_platform.desktop + u'/');

    m_platform.scripted.messages.clear();
    m_platform.scripted.folderAnswers.push_back(QStringLiteral("/music"));
    form.PushButton7->click();
    m_platform.scripted.folderAnswers.push_back(QString());
    form.PushButton7->click();
    // The picker opens where the last pick was, which only memory holds.
    EXPECT_EQ(m_platform.scripted.folderBrowserStarts,
              (QStringList{QString(), QStringLiteral("/music")}));
    EXPECT_FALSE(watchdog.hadToRelease());
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST(UnreadableSettings, StartUpSaysSoOnceAndStoresTheChoicesAnew)
{
    SettingsSandbox sandbox;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(sandbox.fileName()).path()));
    QFile garbage(sandbox.fileName());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    for (int i = 0; i < 4096; ++i)
        garbage.putChar(char((i * 7919 + 13) % 256));
    garbage.close();
    TestPlatform platform;

    const Form1 form(platform);

    EXPECT_EQ(platform.scripted.messageTexts(),
              QStringList{QStringLiteral("The settings file %1 could not be read, so the choices "
                                         "stored in it were lost; it now holds the current "
                                         "ones\r\nin Tessaly2021/08/31.Form1.Form_Load at line "
                                         "172\r\rPlease email screenshot of this message to "
                                         "support@brindlecast.example")
                              .arg(sandbox.fileName())});
    EXPECT_EQ(sandbox.value(QStringLiteral("kbps")).toString(), QStringLiteral("128 kbps"));
    EXPECT_EQ(sandbox.value(QStringLiteral("Option3")).toString(), QStringLiteral("True"));
}

} // namespace
} // namespace brindlecast::test
