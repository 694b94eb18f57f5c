// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EncoderFolders.h"

#include <functional>
#include <map>

namespace brindlecast {

// The encoder's folders on this machine's file system. Where the temporary folder does not let
// programs run (mounted noexec), the run uses the installed encoder itself instead of its copy,
// when only the administrator can have written it.
class PosixEncoderFolders : public EncoderFolders {
public:
    // installedEncoder gives the installed encoder's path, "" when there is none.
    explicit PosixEncoderFolders(std::function<QString()> installedEncoder);
    PosixEncoderFolders();
    ~PosixEncoderFolders() override;
    PosixEncoderFolders(const PosixEncoderFolders&) = delete;
    PosixEncoderFolders& operator=(const PosixEncoderFolders&) = delete;

    // Also removes what runs that have ended left in the temporary folder. The new folder stays
    // locked until removeFolder(), so that no other run takes it for one left behind.
    QString createFolder(const QString& temporaryFolder) override;
    QString deploy(const QByteArray& bytes, const QString& folder) override;
    bool isTrusted(const QString& program) const override;
    void removeFolder(const QString& folder) override;

private:
    QString installedInstead(const QString& folder) const;

    std::function<QString()> m_installedEncoder;
    std::map<QString, int> m_locks; // each folder's lock descriptor
};

} // namespace brindlecast
