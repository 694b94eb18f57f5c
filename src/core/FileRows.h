// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// The rows of the file list, one full path each, numbered from 1 in conversion order.
class FileRows {
public:
    virtual ~FileRows() = default;

    virtual int rowCount() const = 0;
    virtual QString rowText(int row) const = 0;
    virtual void appendRow(const QString& path) = 0;
};

} // namespace brindlecast
