#include "core/Settings.h"

#include "core/Failure.h"
#include "support/QtPrinters.h"
#include "support/SettingsSandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace brindlecast {
namespace {

TEST(SettingConversions, BooleanWordsAndNumbers)
{
    EXPECT_TRUE(settingToBool(QStringLiteral("True")));
    EXPECT_TRUE(settingToBool(QStringLiteral("true")));
    EXPECT_FALSE(settingToBool(QStringLiteral("False")));
    EXPECT_FALSE(settingToBool(QStringLiteral("0")));
    EXPECT_TRUE(settingToBool(QStringLiteral("1")));
    EXPECT_TRUE(settingToBool(QStringLiteral("-3")));
    EXPECT_THROW(settingToBool(QStringLiteral("Yes")), Failure);
    EXPECT_THROW(settingToBool(QString()), Failure);
    EXPECT_THROW(settingToBool(QStringLiteral("nan")), Failure);
}

TEST(SettingConversions, SixteenBitWholeNumbers)
{
    EXPECT_EQ(settingToInt16(QStringLiteral("1")), 1);
    EXPECT_EQ(settingToInt16(QStringLiteral(" 2 ")), 2);
    EXPECT_EQ(settingToInt16(QStringLiteral("2.5")), 2);
    EXPECT_EQ(settingToInt16(QStringLiteral("3.5")), 4);
    EXPECT_EQ(settingToInt16(QStringLiteral("-32768")), -32768);
    EXPECT_THROW(settingToInt16(QStringLiteral("32768")), Failure);
    EXPECT_THROW(settingToInt16(QStringLiteral("abc")), Failure);
    EXPECT_THROW(settingToInt16(QString()), Failure);
}

TEST(SettingsStore, ReadsDefaultsTellsAbsentFromEmptyAndWritesAtOnce)
{
    test::SettingsSandbox sandbox;
    SettingsStore store;

    EXPECT_EQ(store.read(SettingKey::ConstantBitRate), QStringLiteral("128 kbps"));
    EXPECT_FALSE(store.stored(SettingKey::OutputFolder).has_value());

    store.write(SettingKey::OutputFolder, QString());
    ASSERT_TRUE(store.stored(SettingKey::OutputFolder).has_value());
    EXPECT_EQ(*store.stored(SettingKey::OutputFolder), QString());
    EXPECT_EQ(store.read(SettingKey::OutputFolder, QStringLiteral("/desk/")), QString());

    store.write(SettingKey::LastOutputBrowseFolder, QStringLiteral("/music/a \"b\"\n-c"));
    EXPECT_EQ(sandbox.value(QStringLiteral("LastFolderDot")).toString(),
              QStringLiteral("/music/a \"b\"\n-c"));
    EXPECT_TRUE(sandbox.fileName().contains(QStringLiteral("Quenbrook")));
}

TEST(SettingsStore, AFailingWriteIsReportedOncePerKeyAndKeptInMemory)
{
    test::SettingsSandbox sandbox;
    SettingsStore store;
    store.write(SettingKey::ConstantBitRate, QStringLiteral("96 kbps"));
    const QString file = sandbox.fileName();
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file)); // a folder where the file should go cannot be written
    try {
        store.write(SettingKey::ConstantBitRate, QStringLiteral("64 kbps"));
        ADD_FAILURE() << "the failed write was not reported";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.description(),
                  QStringLiteral("Could not write the setting \"kbps\" to %1; it is kept until "
                                 "the program ends")
                      .arg(file));
    }
    EXPECT_NO_THROW(store.write(SettingKey::ConstantBitRate, QStringLiteral("32 kbps")));
    EXPECT_EQ(store.read(SettingKey::ConstantBitRate), QStringLiteral("32 kbps"));
    EXPECT_THROW(store.write(SettingKey::OutputFolder, QString()), Failure); // another key
    ASSERT_TRUE(store.stored(SettingKey::OutputFolder).has_value());

    // Writable again: the store takes the value once more.
    QDir(file).removeRecursively();
    EXPECT_NO_THROW(store.write(SettingKey::ConstantBitRate, QStringLiteral("8 kbps")));
    EXPECT_EQ(sandbox.value(QStringLiteral("kbps")).toString(), QStringLiteral("8 kbps"));
}

TEST(SettingsStore, AnUnreadableFileSaysSoAndIsWrittenAnew)
{
    test::SettingsSandbox sandbox;
    const QString file = sandbox.fileName();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    QFile garbage(file);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    for (int i = 0; i < 4096; ++i)
        garbage.putChar(char((i * 7919 + 13) % 256));
    garbage.close();
    SettingsStore store;

    EXPECT_EQ(store.read(SettingKey::ConstantBitRate), QStringLiteral("128 kbps"));
    try {
        store.write(SettingKey::ConstantBitRate, QStringLiteral("64 kbps"));
        ADD_FAILURE() << "the unreadable file was not reported";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.description(),
                  QStringLiteral("The settings file %1 could not be read, so the choices stored "
                                 "in it were lost; it now holds the current ones")
                      .arg(file));
    }
    EXPECT_EQ(sandbox.value(QStringLiteral("kbps")).toString(), QStringLiteral("64 kbps"));
    EXPECT_NO_THROW(store.write(SettingKey::BitRateMode, QStringLiteral("2")));
}

} // namespace
} // namespace brindlecast
