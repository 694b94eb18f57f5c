#pragma once

#include <QObject>
#include <functional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace brindlecast {

class Failure;
class SettingsStore;

struct OutputOptionControls {
    QRadioButton* option1;
    QRadioButton* option2;
    QComboBox* combo1;
    QRadioButton* option3;
    QRadioButton* option4;
    QGroupBox* frame4;
    QLineEdit* text1;
};

// The bit-rate and save options: each change is stored at once and enables or disables the
// controls that depend on it. Start-up puts stored values in through the same handlers.
class OutputOptions : public QObject {
    Q_OBJECT
public:
    using FailureSink = std::function<void(const Failure&)>;

    // onFailure receives failures of handlers that a user's action started.
    OutputOptions(OutputOptionControls controls, SettingsStore& settings, FailureSink onFailure);

    // Handlers; each throws Failure when the store cannot be written.
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Combo1_Click();
    void Text1_Change();

    // Programmatic changes that run the handler just as a user's action would; failures pass
    // to the caller.
    void selectOption(QRadioButton* option);
    void setOptionSelected(QRadioButton* option, bool selected);
    void selectBitRate(const QString& entryText);
    void setOutputFolderText(const QString& text);

private:
    void storeSaveMode();
    void runHandlerOf(QRadioButton* option);
    void guarded(void (OutputOptions::*handler)());

    OutputOptionControls m_controls;
    SettingsStore& m_settings;
    FailureSink m_onFailure;
};

} // namespace brindlecast
