// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OutputOptions.h"

#include "core/ErrorNumbers.h"
#include "core/Failure.h"
#include "core/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <optional>
#include <utility>

namespace brindlecast {

OutputOptions::OutputOptions(OutputOptionControls controls, SettingsStore& settings,
                             FailureSink onFailure)
    : m_controls(controls), m_settings(settings), m_onFailure(std::move(onFailure))
{
    const auto onSelected = [this](QRadioButton* option, void (OutputOptions::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                runForUser(handler);
        });
    };
    onSelected(m_controls.sameRateAsInput, &OutputOptions::Option1_Click);
    onSelected(m_controls.constantRate, &OutputOptions::Option2_Click);
    onSelected(m_controls.saveToFolder, &OutputOptions::Option3_Click);
    onSelected(m_controls.saveBesideInput, &OutputOptions::Option4_Click);
    connect(m_controls.constantRateList, &QComboBox::currentIndexChanged, this,
            [this] { runForUser(&OutputOptions::Combo1_Click); });
    connect(m_controls.folderBox, &QLineEdit::textChanged, this,
            [this] { runForUser(&OutputOptions::Text1_Change); });
    connect(m_controls.keepFolders, &QCheckBox::toggled, this,
            [this] { runForUser(&OutputOptions::Check1_Click); });
}

void OutputOptions::Option1_Click()
{
    m_controls.constantRateList->setEnabled(false);
    store(SettingKey::BitRateMode, QStringLiteral("1"));
}

void OutputOptions::Option2_Click()
{
    m_controls.constantRateList->setEnabled(true);
    store(SettingKey::BitRateMode, QStringLiteral("2"));
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
    const bool toFolder = m_controls.saveToFolder->isChecked();
    m_controls.folderRow->setEnabled(toFolder);
    // Subfolders are kept below the chosen folder only; beside each input there is nothing to keep.
    m_controls.keepFolders->setEnabled(toFolder);
    // Both keys are always tried; the first failure is the one told.
    std::optional<Failure> failed;
    for (const auto& [key, selected] :
         {std::pair{SettingKey::SaveToChosenFolder, toFolder},
          std::pair{SettingKey::SaveBesideInput, m_controls.saveBesideInput->isChecked()}}) {
        try {
            store(key, boolSettingText(selected));
        } catch (const Failure& failure) {
            if (!failed)
                failed = failure;
        }
    }
    if (failed)
        throw *failed;
}

void OutputOptions::Combo1_Click()
{
    store(SettingKey::ConstantBitRate, m_controls.constantRateList->currentText());
}

void OutputOptions::Text1_Change()
{
    store(SettingKey::OutputFolder, m_controls.folderBox->text());
}

void OutputOptions::Check1_Click()
{
    store(SettingKey::KeepFolders, keepFoldersSettingText(m_controls.keepFolders->isChecked()));
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
    if (selected) {
        const QScopedValueRollback callerHasErrorBox(m_callerHasErrorBox, true);
        runClickHandlerOf(option);
    }
}

void OutputOptions::selectBitRate(const QString& entryText)
{
    QComboBox* list = m_controls.constantRateList;
    const int index = list->findText(entryText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        throw makeFailure(ErrorNumber::InvalidPropertyValue);
    {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(index);
    }
    const QScopedValueRollback callerHasErrorBox(m_callerHasErrorBox, true);
    Combo1_Click();
}

void OutputOptions::setOutputFolderText(const QString& text)
{
    if (m_controls.folderBox->text() == text)
        return;
    {
        const QSignalBlocker blocker(m_controls.folderBox);
        m_controls.folderBox->setText(text);
    }
    const QScopedValueRollback callerHasErrorBox(m_callerHasErrorBox, true);
    Text1_Change();
}

void OutputOptions::showKeepFolders(bool keep)
{
    const QSignalBlocker blocker(m_controls.keepFolders);
    m_controls.keepFolders->setChecked(keep);
}

void OutputOptions::store(SettingKey key, const QString& text)
{
    if (m_callerHasErrorBox)
        m_settings.writeOrFail(key, text);
    else
        m_settings.write(key, text);
}

void OutputOptions::runClickHandlerOf(QRadioButton* option)
{
    if (option == m_controls.sameRateAsInput)
        Option1_Click();
    else if (option == m_controls.constantRate)
        Option2_Click();
    else if (option == m_controls.saveToFolder)
        Option3_Click();
    else if (option == m_controls.saveBesideInput)
        Option4_Click();
}

void OutputOptions::runForUser(void (OutputOptions::*handler)())
{
    try {
        (this->*handler)();
    } catch (const Failure& failure) {
        m_onFailure(failure);
    }
}

} // namespace brindlecast
