// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FileRows.h"

#include <QStringList>

namespace brindlecast::test {

// Rows kept in plain lists, for handlers that only add and read rows.
struct RecordedRows : FileRows {
    QStringList rows;
    QStringList baseFolders; // by row; a row pushed onto rows directly has none

    int rowCount() const override { return int(rows.size()); }
    QString rowText(int row) const override { return rows.value(row - 1); }
    QString rowBaseFolder(int row) const override { return baseFolders.value(row - 1); }
    using FileRows::appendRow;
    void appendRow(const QString& path, const QString& baseFolder) override
    {
        rows.append(path);
        baseFolders.resize(rows.size() - 1);
        baseFolders.append(baseFolder);
    }
};

} // namespace brindlecast::test
