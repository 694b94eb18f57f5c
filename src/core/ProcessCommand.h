// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace brindlecast {

// A program and its arguments, handed to the child as they are: no shell ever splits or
// interprets them.
struct ProcessCommand {
    QString program;
    QStringList arguments;
};

} // namespace brindlecast
