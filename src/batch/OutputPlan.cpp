// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/OutputPlan.h"

#include "core/PathHelpers.h"

#include <QHash>
#include <QSet>

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
    QSet<QString> inputPaths;
    for (const BatchInput& input : inputs)
        inputPaths.insert(input.path);
    QHash<QString, QString> writer; // output -> the input that writes it
    QList<PlannedFile> plan;
    plan.reserve(inputs.size());
    for (const BatchInput& input : inputs) {
        PlannedFile file{input.path, plannedOutput(input, options), {}};
        if (inputPaths.contains(file.output)) {
            file.conflict =
                QStringLiteral("its output %1 is an input of this run").arg(file.output);
        } else if (const auto earlier = writer.constFind(file.output); earlier != writer.cend()) {
            file.conflict = QStringLiteral("its output %1 is already written from %2")
                                .arg(file.output, *earlier);
        } else {
            writer.insert(file.output, input.path);
        }
        plan.append(file);
    }
    return plan;
}

} // namespace brindlecast
