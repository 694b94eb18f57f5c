#pragma once

#include <QTreeWidget>

namespace brindlecast {

// The input files of the next run, one row per file holding its full path, in conversion order.
// Rows are numbered from 1.
class FileListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit FileListView(QWidget* parent = nullptr);

    void appendRow(const QString& path);
    int rowCount() const;
    QString rowText(int row) const;
};

} // namespace brindlecast
