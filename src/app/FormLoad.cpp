// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesktopFolder.h"
#include "app/Form1.h"
#include "core/ApplicationTitle.h"
#include "core/ConstantBitRates.h"
#include "core/StepReporter.h"
#include "filelist/FileListView.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QRadioButton>
#include <QSignalBlocker>

namespace brindlecast {

namespace {

constexpr int kListColumnWidthTwips = 7000;

} // namespace

void Form1::Form_Load()
{
    StepReporter steps(m_platform.dialogs(), form1LocationText(QStringLiteral("Form_Load")));
    const QString appFolder = m_platform.applicationFolder();

    steps.run(100, [&] { ApplySkin(*this, m_skin, m_platform.fileSystem(), appFolder); });
    steps.run(102, [&] {
        setWindowTitle(QString::fromLatin1(kProductName));
        setWindowIcon(QIcon(appFolder + QStringLiteral("/brindlecast.xpm")));
        SetApplicationTitle();
    });
    const QString handPointer = appFolder + QStringLiteral("/HAND-M.CUR");
    if (steps.check(104, [&] { return m_platform.fileSystem().exists(handPointer); }))
        steps.run(106, [&] { loadHoverPointer(handPointer); });

    steps.run(132, [&] { ListView1->setColumnHeader(tr(" WAV File(s)")); });
    steps.run(134, [&] {
        // The header would otherwise stretch the last column over the set width.
        ListView1->header()->setStretchLastSection(false);
        ListView1->setColumnWidth(0, (kListColumnWidthTwips + 7) / 15);
    });

    int location = 136;
    for (const int kbps : kConstantBitRatesKbps) {
        steps.run(location, [&] {
            // A list that gets its first entry selects it by itself; nothing is chosen yet.
            const QSignalBlocker blocker(Combo1);
            Combo1->addItem(constantBitRateEntry(kbps));
            Combo1->setCurrentIndex(-1);
        });
        location += 2;
    }

    steps.run(172, [&] { m_options.selectBitRate(m_settings.read(SettingKey::ConstantBitRate)); });
    // A stored entry the list does not have would leave no rate for a constant-rate run.
    if (Combo1->currentIndex() < 0) {
        steps.run(172,
                  [&] { m_options.selectBitRate(settingDefault(SettingKey::ConstantBitRate)); });
    }
    steps.run(174, [&] {
        const std::optional<QString> stored = m_settings.stored(SettingKey::OutputFolder);
        m_options.setOutputFolderText(stored ? *stored : defaultOutputFolder(m_platform));
    });
    if (steps.check(176,
                    [&] { return settingToInt16(m_settings.read(SettingKey::BitRateMode)) == 1; }))
        steps.run(178, [&] { m_options.selectOption(Option1); });
    else
        steps.run(180, [&] { m_options.selectOption(Option2); });
    steps.run(182, [&] {
        m_options.setOptionSelected(Option3,
                                    settingToBool(m_settings.read(SettingKey::SaveToChosenFolder)));
    });
    steps.run(184, [&] {
        m_options.setOptionSelected(Option4,
                                    settingToBool(m_settings.read(SettingKey::SaveBesideInput)));
    });
    if (steps.check(186, [&] { return Option3->isChecked(); })) {
        steps.run(188, [&] {
            Frame4->setEnabled(true);
            Check1->setEnabled(true);
        });
    } else {
        steps.run(190, [&] {
            Frame4->setEnabled(false);
            Check1->setEnabled(false);
        });
    }
    steps.run(192, [&] {
        m_options.showKeepFolders(keepFoldersFromSetting(m_settings.read(SettingKey::KeepFolders)));
    });
}

} // namespace brindlecast
