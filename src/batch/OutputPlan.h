// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/BatchInputs.h"
#include "batch/BatchOptions.h"

#include <QList>
#include <QString>

namespace brindlecast {

// One input, its output, and why it must not be converted ("" when nothing stands in the way).
struct PlannedFile {
    QString input;
    QString output;
    QString conflict;
};

// The output of an input: beside it, or in the output folder (absolute, without a trailing
// separator), under the path below its folder argument with --keep-folders. The name is the
// input's with its extension replaced.
QString plannedOutput(const BatchInput& input, const BatchOptions& options);

// The outputs of every input, in order. An output that an earlier input already writes, or that
// is an input of this run, is a conflict naming the other file: nothing is silently replaced.
QList<PlannedFile> planOutputs(const QList<BatchInput>& inputs, const BatchOptions& options);

} // namespace brindlecast
