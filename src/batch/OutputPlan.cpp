// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/OutputPlan.h"

#include "core/KeptFolders.h"
#include "core/PathHelpers.h"

namespace brindlecast {

QString plannedOutput(const BatchInput& input, const BatchOptions& options)
{
    if (options.outputFolder.isEmpty()) {
        return FolderOfPath(input.path) + StripExtension(FileNameOfPath(input.path)) +
               outputExtension(options.format);
    }
    return outputInFolder(options.outputFolder, input.path, input.root, options.keepFolders,
                          options.format);
}

QList<PlannedFile> planOutputs(const QList<BatchInput>& inputs, const BatchOptions& options)
{
    QList<PlannedFile> plan;
    plan.reserve(inputs.size());
    for (const BatchInput& input : inputs)
        plan.append({input.path, plannedOutput(input, options)});
    return plan;
}

} // namespace brindlecast
