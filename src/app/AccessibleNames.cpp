// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AccessibleNames.h"

#include "app/Form1.h"
#include "app/TextProgressBar.h"
#include "filelist/FileListView.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace brindlecast {

void nameControlsForScreenReaders(Form1& form)
{
    form.ListView1->setAccessibleName(
        QCoreApplication::translate("AccessibleNames", "Files to convert"));
    // A tooltip is only seen by hovering; the hint on dropping and removing is spoken instead.
    form.ListView1->setAccessibleDescription(form.ListView1->toolTip());
    form.Frame4->setAccessibleName(
        QCoreApplication::translate("AccessibleNames", "Folder for results"));
    form.Text1->setAccessibleName(QCoreApplication::translate("AccessibleNames", "Output folder"));
    form.PushButton7->setAccessibleName(
        QCoreApplication::translate("AccessibleNames", "Browse for output folder"));
    form.Check1->setAccessibleName(QCoreApplication::translate(
        "AccessibleNames", "Keep subfolders of added folders below the output folder"));
    form.ProgressBar1->setAccessibleName(
        QCoreApplication::translate("AccessibleNames", "Conversion progress"));
}

} // namespace brindlecast
