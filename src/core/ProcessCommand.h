// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace brindlecast {

// A program and its arguments, handed to the child as they are: no shell ever splits or
// interprets them.
struct ProcessCommand {
    QString program;
    QStringList arguments;
    // Open files the child gets as descriptors 3, 4, ... in this order (it reads them as
    // /dev/fd/3, ...), and no other of the parent's.
    QList<int> descriptors = {};
};

} // namespace brindlecast
