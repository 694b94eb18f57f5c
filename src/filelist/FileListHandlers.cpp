#include "filelist/FileListHandlers.h"

#include "app/Form1.h"
#include "app/PointerKind.h"
#include "filelist/AddFilesByDialog.h"
#include "filelist/FileListView.h"
#include "filelist/RowRemoval.h"

#include <QPushButton>

namespace brindlecast {

FileListHandlers::FileListHandlers(Form1& form) : m_drag(form)
{
    FileListView* list = form.ListView1;
    connect(list, &FileListView::keyDown, this, [&form](int key) { ListView1_KeyDown(form, key); });
    connect(list, &FileListView::doubleClickedAnywhere, this, [&form] { RemoveSelectedRow(form); });
    connect(list, &FileListView::mouseDown, this, [this] { m_drag.ListView1_MouseDown(); });
    connect(list, &FileListView::rowClicked, this, [this] { m_drag.ListView1_ItemClick(); });
    connect(list, &FileListView::mouseMoved, this,
            [this](const QPoint& position, const QPoint& screenPosition) {
                m_drag.ListView1_MouseMove(position, screenPosition);
            });
    connect(list, &FileListView::mouseUp, this, [this] { m_drag.ListView1_MouseUp(); });
    connect(&form, &Form1::mousePointerChanged, this,
            [list](int kind) { list->setWindowBusy(kind == PointerBusy); });

    connect(form.PushButton1, &QPushButton::clicked, this, [&form] { PushButton1_Click(form); });
    connect(form.PushButton4, &QPushButton::clicked, this, [&form] { PushButton4_Click(form); });
}

} // namespace brindlecast
