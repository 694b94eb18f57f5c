// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/BatchInputs.h"
#include "batch/BatchOptions.h"

#include <QList>
#include <QString>

namespace brindlecast {

// One input and its output.
struct PlannedFile {
    QString input;
    QString output;
};

// The output of an input: beside it, or in the output folder (absolute, without a trailing
// separator), under the path below its folder argument with --keep-folders. The name is the
// input's with its extension replaced.
QString plannedOutput(const BatchInput& input, const BatchOptions& options);

// The outputs of every input, in order. Whether an output clashes with another file of the run
// is the engine's to tell, as each file comes up.
QList<PlannedFile> planOutputs(const QList<BatchInput>& inputs, const BatchOptions& options);

} // namespace brindlecast
