// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

namespace brindlecast {

// The file system of this machine, through POSIX calls.
class PosixFileSystem : public FileSystem {
public:
    bool exists(const QString& path) const override;
    bool isFolder(const QString& path) const override;
    bool isPresent(const QString& path) const override;
    bool isRegularFile(const QString& path) const override;
    qint64 regularFileSize(const QString& path) const override;
    bool isSameFile(const QString& first, const QString& second) const override;
    int attributes(const QString& path) const override;
    bool isAccessibleFile(const QString& path) const override;
    bool namesOneEntry(const QString& path) const override;
    FolderContents readFolder(const QString& folder, const QString& filePattern,
                              const std::optional<FolderLead>& lead,
                              const std::function<void()>& onEntry) const override;
    QString writeRefusal(const QString& folder) const override;
    void removeFile(const QString& path) override;
    std::optional<double> adtsSeconds(const QString& path) const override;
};

} // namespace brindlecast
