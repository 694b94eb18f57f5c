// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/RowRemoval.h"

#include "core/ErrorReport.h"
#include "core/PointerKind.h"
#include "core/StepReporter.h"
#include "filelist/FileListView.h"

namespace brindlecast {

void RemoveSelectedRow(FileListView& list, const WindowPointer& pointer)
{
    if (pointer.isBusy() || list.rowCount() == 0)
        return;
    if (const int row = list.selectedRow(); row != 0)
        list.removeRow(row);
}

void ListView1_KeyDown(FileListView& list, const WindowPointer& pointer, int key)
{
    if (key == Qt::Key_Delete)
        RemoveSelectedRow(list, pointer);
}

void PushButton4_Click(FileListView& list, const WindowPointer& pointer, ErrorBox& errorBox)
{
    StepReporter steps(errorBox, form1LocationText(QStringLiteral("PushButton4_Click")));
    steps.run(100, [&] {
        if (!pointer.isBusy())
            list.removeAllRows();
    });
}

} // namespace brindlecast
