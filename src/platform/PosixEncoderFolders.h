// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EncoderFolders.h"

namespace brindlecast {

// The encoder's folders on this machine's file system.
class PosixEncoderFolders : public EncoderFolders {
public:
    QString createFolder(const QString& temporaryFolder) override;
    QString deploy(const QByteArray& bytes, const QString& folder) override;
    bool isTrusted(const QString& program) const override;
    void removeFolder(const QString& folder) override;
};

} // namespace brindlecast
