// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <map>
#include <optional>
#include <set>

namespace brindlecast {

// The stored choices, each written at once when its control changes and read with a default
// at the moment of use.
// The stored names stay those of the key table ("kbps", "Option3", ...), so that settings files
// stay readable by every version.
enum class SettingKey {
    ConstantBitRate,        // "kbps": the list's entry
    BitRateMode,            // "Option": 1 same as the input, 2 constant
    SaveToChosenFolder,     // "Option3"
    SaveBesideInput,        // "Option4"
    OutputFolder,           // "Output Folder"
    LastOutputBrowseFolder, // "LastFolderDot": where the "..." picker opens
    AddFolderExtension,     // "Extension": the last answer of "Add All ... In Folder"
    LastAddFolder,          // "LastFolder": where that folder picker opens
    EncodersAtOnce,         // "Encoders At Once": files the window converts side by side
    KeepFolders,            // "Keep Folders": "1" keeps the subfolders of searched rows
};

// The stored name of a key ("kbps", "Output Folder", ...).
QString settingName(SettingKey key);

// The default read back for a missing value; "Output Folder" and "Encoders At Once" have none
// here because their defaults, the desktop folder and the processor count, are worked out by the
// caller.
QString settingDefault(SettingKey key);

class SettingsStore {
public:
    static constexpr auto kApplicationName = "Quenbrook";
    static constexpr auto kSection = "Brindlecast Studio";
    static constexpr auto kRoot = "Program Settings";

    // The stored text, or std::nullopt when the key has no value. A value that could not be
    // written is read back from memory.
    std::optional<QString> stored(SettingKey key) const;

    // The stored text, or the table's default when the key has no value.
    QString read(SettingKey key) const;

    // The stored text, or the given default when the key has no value.
    QString read(SettingKey key, const QString& defaultText) const;

    // Stores the text at once, for handlers without an error box of their own. When the store
    // cannot be written, the value is kept in memory until the program ends and Failure is
    // thrown, once per key: later writes of that key go to memory without a word. A settings
    // file that cannot be read is written anew with the current value, and Failure says so.
    // A settings file (or lock file) that is no regular file, such as a FIFO, a socket or a
    // device, is never opened: reads give the defaults, and writes fail to memory as above.
    // Text the file already holds is not written again.
    void write(SettingKey key, const QString& text);

    // Stores the text like write(), for handlers that show each failure in their error box:
    // every failed write throws Failure.
    void writeOrFail(SettingKey key, const QString& text);

    // The file that holds the values.
    static QString fileName();

private:
    enum class Telling { OncePerKey, EveryTime };

    void write(SettingKey key, const QString& text, Telling telling);
    // Keeps the text in memory and throws Failure when the failure is to be told.
    void keepUnsaved(SettingKey key, const QString& text, const QString& description,
                     Telling telling);

    std::map<SettingKey, QString> m_unsaved;
    std::set<SettingKey> m_told;
};

// Conversions the callers make after reading. Both throw Failure("Type mismatch") for text
// that does not convert and Failure("Overflow") for a number out of range.
bool settingToBool(const QString& text);
qint16 settingToInt16(const QString& text);
QString boolSettingText(bool value);

inline constexpr int kMostEncodersAtOnce = 64;

// "Encoders At Once" as stored: a whole number from 1 to 64. Anything else, a missing value
// included, gives the processors the process may use (at most 64).
int encodersAtOnceFromSetting(const std::optional<QString>& stored, int usableProcessors);

// "Keep Folders" as stored: exactly "1" keeps the subfolders; anything else, a missing value
// included, does not.
bool keepFoldersFromSetting(const QString& stored);
QString keepFoldersSettingText(bool keep);

} // namespace brindlecast
