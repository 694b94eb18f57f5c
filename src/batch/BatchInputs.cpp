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
#include <QHash>

namespace brindlecast {

namespace {

// The scan's rows, collected for the run instead of shown in a list.
class CollectedRows final : public FileRows {
public:
    explicit CollectedRows(QList<BatchInput>& inputs) : m_inputs(inputs) {}
    int rowCount() const override { return static_cast<int>(m_inputs.size()); }
    QString rowText(int row) const override { return m_inputs.at(row - 1).path; }
    QString rowBaseFolder(int row) const override { return m_inputs.at(row - 1).root; }
    void appendRow(const QString& path, const QString& baseFolder) override
    {
        m_inputs.append({path, baseFolder});
    }

private:
    QList<BatchInput>& m_inputs;
};

QString absolutePath(const QString& currentFolder, const QString& path)
{
    const QString absolute = QDir::isAbsolutePath(path) ? path : currentFolder + u'/' + path;
    return QDir::cleanPath(absolute);
}

// Whether an input of this name was taken already; by path, or as the same file by another path.
class TakenInputs {
public:
    explicit TakenInputs(const FileSystem& fileSystem) : m_fileSystem(fileSystem) {}

    bool takeNew(const QString& path)
    {
        QStringList& sameName = m_byName[FileNameOfPath(path)];
        for (const QString& taken : sameName) {
            if (taken == path || m_fileSystem.isSameFile(taken, path))
                return false;
        }
        sameName.append(path);
        return true;
    }

private:
    const FileSystem& m_fileSystem;
    QHash<QString, QStringList> m_byName;
};

} // namespace

QList<BatchInput> gatherInputs(const QStringList& paths, const QString& extension,
                               const QString& currentFolder, const FileSystem& fileSystem,
                               ErrorBox& errorBox, int* undecodableNames,
                               const QString& outputFolder)
{
    QList<BatchInput> found;
    const QString pattern = QStringLiteral("*.") + extension;
    // Met as if scanned already, so that no scan enters it, by any name.
    QSet<FolderIdentity> outputs;
    if (!outputFolder.isEmpty()) {
        const FolderContents output =
            fileSystem.readFolder(outputFolder, QString(), std::nullopt, {});
        if (output.error == 0 && output.systemError == 0)
            outputs.insert(output.identity);
    }
    for (const QString& given : paths) {
        const QString path = absolutePath(currentFolder, given);
        if (!fileSystem.isFolder(path)) {
            found.append({path, QString()});
            continue;
        }
        const QString root = path.endsWith(kNativeSeparator) ? path : path + kNativeSeparator;
        EventPacer pace;
        ScanSession scan{fileSystem, errorBox, pattern, pace, 0, outputs};
        FolderList folders{ScannedFolder::named(root)};
        GetSubDirectories2016(scan, folders);
        CollectedRows rows(found);
        StepReporter steps(errorBox, addFolderLocationText(QStringLiteral("ListMatchingFiles")));
        appendFolderFiles(scan, folders, root, rows, steps);
        if (undecodableNames)
            *undecodableNames += scan.undecodableNames;
    }
    QList<BatchInput> inputs;
    TakenInputs taken(fileSystem);
    for (BatchInput& input : found) {
        if (taken.takeNew(input.path))
            inputs.append(std::move(input));
    }
    return inputs;
}

} // namespace brindlecast
