#include "filelist/FileListView.h"

namespace brindlecast {

FileListView::FileListView(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setColumnCount(0);
}

void FileListView::appendRow(const QString& path)
{
    auto* item = new QTreeWidgetItem(QStringList{path});
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    addTopLevelItem(item);
}

int FileListView::rowCount() const
{
    return topLevelItemCount();
}

QString FileListView::rowText(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row - 1);
    return item ? item->text(0) : QString();
}

} // namespace brindlecast
