// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/OutputPlan.h"

#include "core/PathHelpers.h"

namespace brindlecast {

QString plannedOutput(const BatchInput& input, const BatchOptions& options)
{
    const QString name =
        StripExtension(FileNameOfPath(input.path)) + outputExtension(options.format);
    if (options.outputFolder.isEmpty())
        return FolderOfPath(input.path) + name;
    QString below;
    if (options.keepFolders && !input.root.isEmpty() && input.path.startsWith(input.root))
        below = FolderOfPath(input.path).mid(input.root.size());
    return CollapseBackslashes(options.outputFolder + kNativeSeparator + below + name);
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
