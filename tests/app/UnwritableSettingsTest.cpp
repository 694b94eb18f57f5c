// A settings store that cannot be written: each key's failure is told once, and the window
// keeps working from memory.
#include "app/Form1.h"
#include "support/QtPrinters.h"
#include "support/TmpfsMount.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {
namespace {

class UnwritableSettings : public WindowFixture {
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
        WindowFixture::TearDown();
        m_readOnly.reset();
        ::chmod(QFile::encodeName(m_folder).constData(), 0700);
    }

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

    QString m_folder;
    std::unique_ptr<TmpfsMount> m_readOnly;
};

TEST_F(UnwritableSettings, EachKeyIsToldOnceAndTheWindowWorksOn)
{
    Form1& form = openWindow(Shown::Yes);
    const QString at = QStringLiteral("\r\nin Tessaly2021/08/31.Form1.Form_Load at line ");
    EXPECT_EQ(errorBoxes(), (QStringList{failure("kbps") + at + QStringLiteral("172"),
                                         failure("Output Folder") + at + QStringLiteral("174"),
                                         failure("Option") + at + QStringLiteral("178"),
                                         failure("Option3") + at + QStringLiteral("182")}));
    m_platform.scripted.messages.clear();

    QTest::keyClicks(form.Text1, QStringLiteral("/music"));
    QTest::mouseClick(form.Option2, Qt::LeftButton);
    form.Combo1->setCurrentIndex(form.Combo1->findText(QStringLiteral("64 kbps")));
    QTest::mouseClick(form.Option4, Qt::LeftButton);
    QTest::mouseClick(form.Option3, Qt::LeftButton);

    // Only the key that start-up did not write is told about, at its first write.
    EXPECT_EQ(m_platform.scripted.messageTexts(), QStringList{failure("Option4")});
    EXPECT_TRUE(form.Combo1->isEnabled());
    EXPECT_TRUE(form.Option3->isChecked());
    EXPECT_FALSE(QFileInfo(m_settings.fileName()).isFile());
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
