// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// The rows of the file list, one full path each, numbered from 1 in conversion order. A row found
// by searching a folder remembers that folder, its base folder, so that a run can keep the
// row's subfolders below it; a file added by itself has none ("").
class FileRows {
public:
    virtual ~FileRows() = default;

    virtual int rowCount() const = 0;
    virtual QString rowText(int row) const = 0;
    virtual QString rowBaseFolder(int row) const = 0;
    virtual void appendRow(const QString& path, const QString& baseFolder) = 0;

    // A file added by itself.
    void appendRow(const QString& path) { appendRow(path, QString()); }
};

} // namespace brindlecast
