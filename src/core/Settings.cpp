#include "core/Settings.h"

#include "core/Failure.h"
#include "core/Rounding.h"

#include <QSettings>
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
};

const SettingEntry& entryOf(SettingKey key)
{
    return kSettingTable[static_cast<std::size_t>(key)];
}

QString storedKey(SettingKey key)
{
    return QString::fromLatin1(SettingsStore::kSection) + u'/' + settingName(key);
}

QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(SettingsStore::kRoot),
                     QString::fromLatin1(SettingsStore::kApplicationName));
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

std::optional<QString> SettingsStore::stored(SettingKey key) const
{
    if (const auto unsaved = m_unsaved.find(key); unsaved != m_unsaved.end())
        return unsaved->second;
    const QSettings store = openStore();
    const QVariant value = store.value(storedKey(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
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
    QSettings store = openStore();
    store.setValue(storedKey(key), text);
    store.sync();
    const QSettings::Status status = store.status();
    // A file that could not be read is written anew, and keeps the first failure it met.
    if (status == QSettings::NoError || (status == QSettings::FormatError && holds(key, text))) {
        m_unsaved.erase(key);
        if (status == QSettings::FormatError) {
            throw Failure(QStringLiteral("The settings file %1 could not be read, so the choices "
                                         "stored in it were lost; it now holds the current ones")
                              .arg(store.fileName()));
        }
        return;
    }
    m_unsaved[key] = text;
    if (m_reported.insert(key).second) {
        throw Failure(QStringLiteral("Could not write the setting \"%1\" to %2; it is kept until "
                                     "the program ends")
                          .arg(settingName(key), store.fileName()));
    }
}

bool SettingsStore::holds(SettingKey key, const QString& text)
{
    const QSettings store = openStore();
    return store.value(storedKey(key)).toString() == text && store.status() == QSettings::NoError;
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
        throw Failure(QStringLiteral("Type mismatch"), 13);
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

} // namespace brindlecast
