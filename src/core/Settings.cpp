// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Settings.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"
#include "core/Rounding.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <array>
#include <cmath>

namespace brindlecast {

namespace {

struct SettingEntry {
    SettingKey key;
    const char* name;
    const char* defaultText;
};

constexpr std::array kSettingTable{
    SettingEntry{SettingKey::ConstantBitRate, "kbps", "128 kbps"},
    SettingEntry{SettingKey::BitRateMode, "Option", "1"},
    SettingEntry{SettingKey::SaveToChosenFolder, "Option3", "1"},
    SettingEntry{SettingKey::SaveBesideInput, "Option4", "0"},
    SettingEntry{SettingKey::OutputFolder, "Output Folder", ""},
    SettingEntry{SettingKey::LastOutputBrowseFolder, "LastFolderDot", ""},
    SettingEntry{SettingKey::AddFolderExtension, "Extension", "wav"},
    SettingEntry{SettingKey::LastAddFolder, "LastFolder", ""},
    SettingEntry{SettingKey::EncodersAtOnce, "Encoders At Once", ""},
    SettingEntry{SettingKey::KeepFolders, "Keep Folders", "0"},
};

const SettingEntry& entryOf(SettingKey key)
{
    return kSettingTable[static_cast<std::size_t>(key)];
}

QString storedKey(SettingKey key)
{
    return QString::fromLatin1(SettingsStore::kSection) + u'/' + settingName(key);
}

// A FIFO, socket or device where the settings file (or its lock file) belongs: opening one
// waits for a partner that never comes, so it is never opened. A link to a regular file is
// followed as any program would.
bool isSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

bool isUsable(const QString& fileName)
{
    return !isSpecialFile(fileName) && !isSpecialFile(fileName + QStringLiteral(".lock"));
}

QString notRegularFailure(const QString& fileName)
{
    return QCoreApplication::translate(
               "Settings", "The settings file %1 is not a regular file, so it is neither read nor "
                           "written; the choices are kept until the program ends")
        .arg(fileName);
}

QSettings openStore(const QString& fileName)
{
    return QSettings(fileName, QSettings::NativeFormat);
}

std::optional<QString> valueInFile(const QString& fileName, SettingKey key)
{
    const QSettings store = openStore(fileName);
    const QVariant value = store.value(storedKey(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

// True when the file, read afresh, holds the text under the key.
bool fileHolds(const QString& fileName, SettingKey key, const QString& text)
{
    const QSettings store = openStore(fileName);
    const QVariant value = store.value(storedKey(key));
    return value.isValid() && value.toString() == text && store.status() == QSettings::NoError;
}

} // namespace

QString settingName(SettingKey key)
{
    return QString::fromLatin1(entryOf(key).name);
}

QString settingDefault(SettingKey key)
{
    return QString::fromLatin1(entryOf(key).defaultText);
}

QString SettingsStore::fileName()
{
    // QSettings reads every file it uses as soon as it is made, before anyone can look at them.
    // So the name is learnt from a settings object whose files nobody has (it lives where the
    // real one lives, wherever QSettings::setPath put that), and the real name is put together
    // from it.
    const QString probeName = QString::fromLatin1(kRoot) + QStringLiteral("/.location/probe");
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope,
                          probeName.section(u'/', 0, -2), probeName.section(u'/', -1));
    QString name = probe.fileName();
    const qsizetype at = name.lastIndexOf(probeName);
    return name.replace(at, probeName.size(),
                        QString::fromLatin1(kRoot) + u'/' + QString::fromLatin1(kApplicationName));
}

std::optional<QString> SettingsStore::stored(SettingKey key) const
{
    if (const auto unsaved = m_unsaved.find(key); unsaved != m_unsaved.end())
        return unsaved->second;
    const QString file = fileName();
    if (!isUsable(file))
        return std::nullopt;
    return valueInFile(file, key);
}

QString SettingsStore::read(SettingKey key) const
{
    return read(key, settingDefault(key));
}

QString SettingsStore::read(SettingKey key, const QString& defaultText) const
{
    return stored(key).value_or(defaultText);
}

void SettingsStore::write(SettingKey key, const QString& text)
{
    write(key, text, Telling::OncePerKey);
}

void SettingsStore::writeOrFail(SettingKey key, const QString& text)
{
    write(key, text, Telling::EveryTime);
}

void SettingsStore::write(SettingKey key, const QString& text, Telling telling)
{
    const QString file = fileName();
    if (!isUsable(file)) {
        keepUnsaved(key, text, notRegularFailure(file), telling);
        return;
    }
    // Each write makes the store sync its file to disk, which takes milliseconds; a file that
    // already holds the text needs none.
    if (fileHolds(file, key, text)) {
        m_unsaved.erase(key);
        return;
    }
    QSettings store = openStore(file);
    store.setValue(storedKey(key), text);
    store.sync();
    const QSettings::Status status = store.status();
    // A file that could not be read is written anew, and keeps the first failure it met.
    if (status == QSettings::NoError ||
        (status == QSettings::FormatError && fileHolds(file, key, text))) {
        m_unsaved.erase(key);
        if (status == QSettings::FormatError) {
            throw Failure(QCoreApplication::translate(
                              "Settings", "The settings file %1 could not be read, so the choices "
                                          "stored in it were lost; it now holds the current ones")
                              .arg(file));
        }
        return;
    }
    keepUnsaved(key, text,
                QCoreApplication::translate(
                    "Settings", "Could not write the setting \"%1\" to %2; it is kept until the "
                                "program ends")
                    .arg(settingName(key), file),
                telling);
}

void SettingsStore::keepUnsaved(SettingKey key, const QString& text, const QString& description,
                                Telling telling)
{
    m_unsaved[key] = text;
    const bool firstTime = m_told.insert(key).second;
    if (firstTime || telling == Telling::EveryTime)
        throw Failure(description);
}

bool settingToBool(const QString& text)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = word.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(number))
        throw makeFailure(ErrorNumber::TypeMismatch);
    return number != 0.0;
}

qint16 settingToInt16(const QString& text)
{
    return static_cast<qint16>(wholeNumberInRange(text, -32768, 32767));
}

QString boolSettingText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

int encodersAtOnceFromSetting(const std::optional<QString>& stored, int usableProcessors)
{
    if (stored) {
        bool isNumber = false;
        const int number = stored->trimmed().toInt(&isNumber);
        if (isNumber && number >= 1 && number <= kMostEncodersAtOnce)
            return number;
    }
    return std::clamp(usableProcessors, 1, kMostEncodersAtOnce);
}

bool keepFoldersFromSetting(const QString& stored)
{
    return stored == QLatin1String("1");
}

QString keepFoldersSettingText(bool keep)
{
    return keep ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace brindlecast
