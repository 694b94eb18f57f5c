// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchInputs.h"

#include "core/FileRows.h"
#include "core/PathHelpers.h"
#include "core/StepReporter.h"
#include "filelist/AddFolder.h"
#include "filelist/EventPacer.h"
#include "filelist/FolderFiles.h"
#include "platform/FileSystem.h"

#include <QDir>

namespace brindlecast {

namespace {

// The scan's rows, collected for the run instead of shown in a list.
class CollectedRows final : public FileRows {
public:
    CollectedRows(QList<BatchInput>& inputs, QString root)
        : m_inputs(inputs), m_root(std::move(root))
    {
    }
    int rowCount() const override { return static_cast<int>(m_inputs.size()); }
    QString rowText(int row) const override { return m_inputs.at(row - 1).path; }
    void appendRow(const QString& path) override { m_inputs.append({path, m_root}); }

private:
    QList<BatchInput>& m_inputs;
    QString m_root;
};

QString absolutePath(const QString& currentFolder, const QString& path)
{
    const QString absolute = QDir::isAbsolutePath(path) ? path : currentFolder + u'/' + path;
    return QDir::cleanPath(absolute);
}

} // namespace

QList<BatchInput> gatherInputs(const QStringList& paths, const QString& extension,
                               const QString& currentFolder, const FileSystem& fileSystem,
                               ErrorBox& errorBox)
{
    QList<BatchInput> inputs;
    const QString pattern = QStringLiteral("*.") + extension;
    for (const QString& given : paths) {
        const QString path = absolutePath(currentFolder, given);
        if (!fileSystem.isFolder(path)) {
            inputs.append({path, QString()});
            continue;
        }
        const QString root = path.endsWith(kNativeSeparator) ? path : path + kNativeSeparator;
        EventPacer pace;
        ScanSession scan{fileSystem, errorBox, pattern, pace, 0, {}};
        FolderList folders{ScannedFolder::named(root)};
        GetSubDirectories2016(scan, folders);
        CollectedRows rows(inputs, root);
        StepReporter steps(errorBox, addFolderLocationText(QStringLiteral("ListMatchingFiles")));
        appendFolderFiles(scan, folders, rows, steps);
    }
    return inputs;
}

} // namespace brindlecast
