#include "app/OutputOptions.h"

#include "core/Failure.h"
#include "core/Settings.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace brindlecast {

OutputOptions::OutputOptions(OutputOptionControls controls, SettingsStore& settings,
                             FailureSink onFailure)
    : m_controls(controls), m_settings(settings), m_onFailure(std::move(onFailure))
{
    const auto onSelected = [this](QRadioButton* option, void (OutputOptions::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                guarded(handler);
        });
    };
    onSelected(m_controls.option1, &OutputOptions::Option1_Click);
    onSelected(m_controls.option2, &OutputOptions::Option2_Click);
    onSelected(m_controls.option3, &OutputOptions::Option3_Click);
    onSelected(m_controls.option4, &OutputOptions::Option4_Click);
    connect(m_controls.combo1, &QComboBox::currentIndexChanged, this,
            [this] { guarded(&OutputOptions::Combo1_Click); });
    connect(m_controls.text1, &QLineEdit::textChanged, this,
            [this] { guarded(&OutputOptions::Text1_Change); });
}

void OutputOptions::Option1_Click()
{
    m_settings.write(SettingKey::BitRateMode, QStringLiteral("1"));
    m_controls.combo1->setEnabled(false);
}

void OutputOptions::Option2_Click()
{
    m_settings.write(SettingKey::BitRateMode, QStringLiteral("2"));
    m_controls.combo1->setEnabled(true);
}

void OutputOptions::Option3_Click()
{
    storeSaveMode();
}

void OutputOptions::Option4_Click()
{
    storeSaveMode();
}

void OutputOptions::storeSaveMode()
{
    m_settings.write(SettingKey::SaveToChosenFolder,
                     boolSettingText(m_controls.option3->isChecked()));
    m_settings.write(SettingKey::SaveBesideInput, boolSettingText(m_controls.option4->isChecked()));
    m_controls.frame4->setEnabled(m_controls.option3->isChecked());
}

void OutputOptions::Combo1_Click()
{
    m_settings.write(SettingKey::ConstantBitRate, m_controls.combo1->currentText());
}

void OutputOptions::Text1_Change()
{
    m_settings.write(SettingKey::OutputFolder, m_controls.text1->text());
}

void OutputOptions::selectOption(QRadioButton* option)
{
    setOptionSelected(option, true);
}

void OutputOptions::setOptionSelected(QRadioButton* option, bool selected)
{
    {
        const QSignalBlocker blocker(option);
        // An exclusive button refuses to be cleared; clearing one selects nothing else.
        const bool exclusive = option->autoExclusive();
        option->setAutoExclusive(exclusive && selected);
        option->setChecked(selected);
        option->setAutoExclusive(exclusive);
    }
    if (selected)
        runHandlerOf(option);
}

void OutputOptions::selectBitRate(const QString& entryText)
{
    const int index =
        m_controls.combo1->findText(entryText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        throw Failure(QStringLiteral("Invalid property value"), 380);
    {
        const QSignalBlocker blocker(m_controls.combo1);
        m_controls.combo1->setCurrentIndex(index);
    }
    Combo1_Click();
}

void OutputOptions::setOutputFolderText(const QString& text)
{
    if (m_controls.text1->text() == text)
        return;
    {
        const QSignalBlocker blocker(m_controls.text1);
        m_controls.text1->setText(text);
    }
    Text1_Change();
}

void OutputOptions::runHandlerOf(QRadioButton* option)
{
    if (option == m_controls.option1)
        Option1_Click();
    else if (option == m_controls.option2)
        Option2_Click();
    else if (option == m_controls.option3)
        Option3_Click();
    else if (option == m_controls.option4)
        Option4_Click();
}

void OutputOptions::guarded(void (OutputOptions::*handler)())
{
    try {
        (this->*handler)();
    } catch (const Failure& failure) {
        m_onFailure(failure);
    }
}

} // namespace brindlecast
