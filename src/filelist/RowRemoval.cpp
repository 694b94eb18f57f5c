#include "filelist/RowRemoval.h"

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "app/PointerKind.h"
#include "app/StepReporter.h"
#include "filelist/FileListView.h"
#include "platform/Platform.h"

namespace brindlecast {

void RemoveSelectedRow(Form1& form)
{
    if (form.mousePointer() == PointerBusy)
        return;
    FileListView& list = *form.ListView1;
    if (list.rowCount() == 0)
        return;
    if (const int row = list.selectedRow(); row != 0)
        list.removeRow(row);
}

void ListView1_KeyDown(Form1& form, int key)
{
    if (key == Qt::Key_Delete)
        RemoveSelectedRow(form);
}

void PushButton4_Click(Form1& form)
{
    StepReporter steps(form.platform().dialogs(),
                       form1LocationText(QStringLiteral("PushButton4_Click")));
    steps.run(100, [&] {
        if (form.mousePointer() != PointerBusy)
            form.ListView1->removeAllRows();
    });
}

} // namespace brindlecast
