#include "core/Settings.h"

#include "core/Failure.h"
#include "support/QtPrinters.h"
#include "support/SettingsSandbox.h"

#include <QDir>
#include <QFile>
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

TEST(SettingsStore, AFailingWriteIsReported)
{
    test::SettingsSandbox sandbox;
    SettingsStore store;
    store.write(SettingKey::ConstantBitRate, QStringLiteral("96 kbps"));
    const QString file = sandbox.fileName();
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file)); // a folder where the file should go cannot be written
    EXPECT_THROW(store.write(SettingKey::ConstantBitRate, QStringLiteral("64 kbps")), Failure);
    QDir(file).removeRecursively();
}

} // namespace
} // namespace brindlecast
