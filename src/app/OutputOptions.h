// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace brindlecast {

class Failure;
class SettingsStore;
enum class SettingKey;

struct OutputOptionControls {
    QRadioButton* sameRateAsInput; // Option1
    QRadioButton* constantRate;    // Option2
    QComboBox* constantRateList;   // Combo1
    QRadioButton* saveToFolder;    // Option3
    QRadioButton* saveBesideInput; // Option4
    QGroupBox* folderRow;          // Frame4: the folder box and its "..." button
    QLineEdit* folderBox;          // Text1
    QCheckBox* keepFolders;        // Check1: "Keep subfolders", used only with Option3
};

// The bit-rate and save options: each change is stored at once and enables or disables the
// controls that depend on it. Start-up puts stored values in through the same handlers.
class OutputOptions : public QObject {
    Q_OBJECT
public:
    using FailureSink = std::function<void(const Failure&)>;

    // onFailure receives failures of handlers that a user's action started. Those have no error
    // box of their own, so a store that cannot be written is told once per key.
    OutputOptions(OutputOptionControls controls, SettingsStore& settings, FailureSink onFailure);

    // Handlers. The controls that depend on a choice follow it whatever the store does; a
    // failed write then throws Failure.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Combo1_Click();
    void Text1_Change();
    void Check1_Click();

    // Changes made by a handler with an error box (start-up, "..."): they run the control's
    // handler just as a user's action would, and every failed write passes to the caller.
    void selectOption(QRadioButton* option);
    void setOptionSelected(QRadioButton* option, bool selected);
    void selectBitRate(const QString& entryText);
    void setOutputFolderText(const QString& text);
    // Restores the box from the store without writing to it: a store that cannot be written has
    // told so already, and any stored text but "1" reads as unchecked whatever it is.
    void showKeepFolders(bool keep);

private:
    void store(SettingKey key, const QString& text);
    void storeSaveMode();
    void runClickHandlerOf(QRadioButton* option);
    void runForUser(void (OutputOptions::*handler)());

    OutputOptionControls m_controls;
    SettingsStore& m_settings;
    FailureSink m_onFailure;
    // Whether the handler at work was started by a handler with an error box.
    bool m_callerHasErrorBox = false;
};

} // namespace brindlecast
