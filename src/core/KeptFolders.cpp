// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/KeptFolders.h"

#include "core/PathHelpers.h"

#include <QStringList>

namespace brindlecast {

QString subfolderBelow(const QString& input, const QString& baseFolder)
{
    if (baseFolder.isEmpty())
        return {};
    QString base = CollapseBackslashes(baseFolder);
    if (!base.endsWith(kNativeSeparator))
        base += kNativeSeparator;
    const QString folder = FolderOfPath(CollapseBackslashes(input));
    if (!folder.startsWith(base))
        return {};
    const QString below = folder.mid(base.size());
    for (const QString& step : below.split(kNativeSeparator, Qt::SkipEmptyParts)) {
        if (step == QLatin1String(".") || step == QLatin1String(".."))
            return {};
    }
    return below;
}

QString outputInFolder(const QString& outputFolder, const QString& input, const QString& baseFolder,
                       bool keepFolders, OutputFormat format)
{
    const QString name = StripExtension(FileNameOfPath(input)) + outputExtension(format);
    const QString below = keepFolders ? subfolderBelow(input, baseFolder) : QString();
    return CollapseBackslashes(outputFolder + kNativeSeparator + below + name);
}

QString outputRootOf(const QString& outputFolder)
{
    // The same join as outputInFolder's, so that the collapsing treats it alike.
    return CollapseBackslashes(outputFolder + kNativeSeparator);
}

} // namespace brindlecast
