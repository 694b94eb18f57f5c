// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Settings.h"

#include "core/Failure.h"
#include "support/FifoWatchdog.h"
#include "support/QtPrinters.h"
#include "support/SettingsSandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

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

// "Encoders At Once" takes a whole number from 1 to 64; anything else, or nothing, gives the
// usable processors, held to 64.
TEST(SettingConversions, EncodersAtOnce)
{
    for (int number = 1; number <= kMostEncodersAtOnce; ++number)
        EXPECT_EQ(encodersAtOnceFromSetting(QString::number(number), 6), number);
    for (const char* text : {"0", "65", "-3", "abc", "", "2.5"})
        EXPECT_EQ(encodersAtOnceFromSetting(QString::fromLatin1(text), 6), 6) << text;
    EXPECT_EQ(encodersAtOnceFromSetting(std::nullopt, 6), 6);
    EXPECT_EQ(encodersAtOnceFromSetting(std::nullopt, 65), kMostEncodersAtOnce);
    EXPECT_EQ(encodersAtOnceFromSetting(QStringLiteral("abc"), 200), kMostEncodersAtOnce);
    EXPECT_EQ(encodersAtOnceFromSetting(QStringLiteral("3"), 200), 3);
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

TEST(SettingsStore, HandlersWithAnErrorBoxHearOfEveryFailedWrite)
{
    test::SettingsSandbox sandbox;
    SettingsStore store;
    store.write(SettingKey::LastAddFolder, QStringLiteral("/music"));
    const QString file = sandbox.fileName();
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));

    EXPECT_THROW(store.writeOrFail(SettingKey::LastAddFolder, QStringLiteral("/a")), Failure);
    EXPECT_THROW(store.writeOrFail(SettingKey::LastAddFolder, QStringLiteral("/a")), Failure);
    EXPECT_EQ(store.read(SettingKey::LastAddFolder), QStringLiteral("/a"));
    // Told once already: a handler without a box goes on quietly.
    EXPECT_NO_THROW(store.write(SettingKey::LastAddFolder, QStringLiteral("/b")));
    EXPECT_THROW(store.writeOrFail(SettingKey::LastAddFolder, QStringLiteral("/b")), Failure);

    QDir(file).removeRecursively();
    EXPECT_NO_THROW(store.writeOrFail(SettingKey::LastAddFolder, QStringLiteral("/b")));
    EXPECT_EQ(sandbox.value(QStringLiteral("LastFolder")).toString(), QStringLiteral("/b"));
}

// Something that is no regular file where the settings file (or its lock) belongs.
struct SpecialFile {
    const char* name;
    std::function<bool(const QString& settingsFile, const QString& elsewhere)> make;
    // Made where the lock file of the settings file goes, instead of the file itself.
    bool atLockFile = false;
    bool needsRoot = false;
};

void PrintTo(const SpecialFile& kind, std::ostream* out)
{
    *out << kind.name;
}

bool makeFifo(const QString& path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeDevice(const QString& path)
{
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
}

bool makeSocket(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    std::copy(name.begin(), name.end(), address.sun_path);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = socket >= 0 && ::bind(socket, reinterpret_cast<const sockaddr*>(&address),
                                             sizeof(address)) == 0;
    if (socket >= 0)
        ::close(socket);
    return bound;
}

class NotARegularSettingsFile : public ::testing::TestWithParam<SpecialFile> {
protected:
    void SetUp() override
    {
        m_file = m_sandbox.fileName();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(m_file).path()));
        if (GetParam().needsRoot && ::geteuid() != 0)
            GTEST_SKIP() << "making a device node needs root";
        m_special = GetParam().atLockFile ? m_file + QStringLiteral(".lock") : m_file;
        ASSERT_TRUE(GetParam().make(m_special, m_elsewhere.filePath(QStringLiteral("thing"))));
        m_was = QFileInfo(m_special);
    }

    test::SettingsSandbox m_sandbox;
    QTemporaryDir m_elsewhere;
    QString m_file;
    QString m_special;
    QFileInfo m_was;
};

TEST_P(NotARegularSettingsFile, IsNeverOpenedAndTheStoreWorksFromMemory)
{
    const test::FifoWatchdog watchdog(m_special);
    SettingsStore store;

    EXPECT_EQ(store.read(SettingKey::ConstantBitRate), QStringLiteral("128 kbps"));
    EXPECT_FALSE(store.stored(SettingKey::OutputFolder).has_value());
    try {
        store.write(SettingKey::ConstantBitRate, QStringLiteral("64 kbps"));
        ADD_FAILURE() << "the unusable file was not told";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.description(),
                  QStringLiteral("The settings file %1 is not a regular file, so it is neither "
                                 "read nor written; the choices are kept until the program ends")
                      .arg(m_file));
    }
    EXPECT_NO_THROW(store.write(SettingKey::ConstantBitRate, QStringLiteral("32 kbps")));
    EXPECT_THROW(store.writeOrFail(SettingKey::ConstantBitRate, QStringLiteral("32 kbps")),
                 Failure);
    EXPECT_EQ(store.read(SettingKey::ConstantBitRate), QStringLiteral("32 kbps"));

    EXPECT_FALSE(watchdog.hadToRelease()) << "the store waited in open()";
    const QFileInfo now(m_special);
    EXPECT_EQ(now.isSymLink(), m_was.isSymLink());
    EXPECT_FALSE(now.isFile());
    EXPECT_TRUE(now.exists());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NotARegularSettingsFile,
    ::testing::Values(
        SpecialFile{"Fifo", [](const QString& at, const QString&) { return makeFifo(at); }},
        SpecialFile{"FifoBehindALink",
                    [](const QString& at, const QString& elsewhere) {
                        return makeFifo(elsewhere) && QFile::link(elsewhere, at);
                    }},
        SpecialFile{"Socket", [](const QString& at, const QString&) { return makeSocket(at); }},
        // A node of its own, never a system one: a store that wrongly wrote through the link
        // would replace the node it points to.
        SpecialFile{"LinkToADevice",
                    [](const QString& at, const QString& elsewhere) {
                        return makeDevice(elsewhere) && QFile::link(elsewhere, at);
                    },
                    false, true},
        SpecialFile{"FifoAtTheLockFile",
                    [](const QString& at, const QString&) { return makeFifo(at); }, true}),
    [](const auto& entry) { return std::string(entry.param.name); });

TEST(SettingsStore, ALinkToARegularFileStaysUsable)
{
    test::SettingsSandbox sandbox;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("mine.conf"));
    {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Brindlecast%20Studio]\nkbps=96 kbps\n");
    }
    ASSERT_TRUE(QDir().mkpath(QFileInfo(sandbox.fileName()).path()));
    ASSERT_TRUE(QFile::link(target, sandbox.fileName()));
    SettingsStore store;

    EXPECT_EQ(store.read(SettingKey::ConstantBitRate), QStringLiteral("96 kbps"));
    EXPECT_NO_THROW(store.writeOrFail(SettingKey::ConstantBitRate, QStringLiteral("64 kbps")));
    EXPECT_TRUE(QFileInfo(sandbox.fileName()).isSymLink());
    QSettings targetFile(target, QSettings::IniFormat);
    EXPECT_EQ(targetFile.value(QStringLiteral("Brindlecast Studio/kbps")).toString(),
              QStringLiteral("64 kbps"));
}

} // namespace
} // namespace brindlecast
