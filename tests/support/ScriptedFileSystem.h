// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PosixFileSystem.h"

#include <QMap>
#include <QSet>
#include <functional>

namespace brindlecast::test {

// The real file system with what a test folder cannot show on Linux, or not when the tests run as
// root: attribute words such as 22 and 1046, listing failures with their numbers, and folders
// refused as mode 000 refuses them to an ordinary user. Paths are compared without trailing or
// doubled separators.
//
class ScriptedFileSystem final : public FileSystem {
public:
    // A folder's subfolders as a test wants them listed, and the failure that ends the listing:
    // a refusal's error number (70, 76) or another failure's errno.
    struct Listing {
        QStringList names;
        int error = 0;
        int systemError = 0;
    };

    // When set, every path is taken below this folder, so that "/" stands for it.
    QString root;
    QMap<QString, int> attributeWords;       // the word reported instead of the real one
    QMap<QString, Listing> subfolderAnswers; // the subfolders read instead of the real ones
    QSet<QString> failingAttributes;         // reading the attribute word fails
    QSet<QString> deniedFolders;             // neither listed nor entered, like a mode-000 folder
    std::function<void(const QString& folder)> onSubfolders; // runs before each folder is read
    int entriesRead = 0; // folder entries that readFolder went through

    bool exists(const QString& path) const override;
    bool isFolder(const QString& path) const override;
    bool isPresent(const QString& path) const override;
    bool isRegularFile(const QString& path) const override;
    qint64 regularFileSize(const QString& path) const override;
    bool isSameFile(const QString& first, const QString& second) const override;
    int attributes(const QString& path) const override;
    bool isAccessibleFile(const QString& path) const override;
    bool namesOneEntry(const QString& path) const override
    {
        return m_real.namesOneEntry(real(path));
    }
    FolderContents readFolder(const QString& folder, const QString& filePattern,
                              const std::optional<FolderLead>& lead,
                              const std::function<void()>& onEntry) const override;
    QString writeRefusal(const QString& folder) const override
    {
        return m_real.writeRefusal(real(folder));
    }
    void removeFile(const QString& path) override;
    std::optional<double> adtsSeconds(const QString& path) const override
    {
        return m_real.adtsSeconds(real(path));
    }

private:
    QString real(const QString& path) const;
    bool isBelowDenied(const QString& path) const;
    bool isDeniedOrBelow(const QString& path) const;

    PosixFileSystem m_real;
};

} // namespace brindlecast::test
