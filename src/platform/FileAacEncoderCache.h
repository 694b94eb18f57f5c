// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/AacEncoderCache.h"

namespace brindlecast {

// The user's cache folder of this program ("~/.cache/brindlecast-studio"), or "" when the user
// has none.
QString userCacheFolder();

// One small file per encoder path in a folder of the user's own. A kept file is used only when
// it is a regular file of this user's that nobody else may write, in a folder likewise, and it
// matches the encoder file's state exactly; anything else is ignored, and asked again. A new one
// is written under a name of its own and renamed into place, so that a reader sees the old file
// or the new one, never a part.
class FileAacEncoderCache final : public AacEncoderCache {
public:
    // folder: where the files are kept, made (open to this user only) when first needed, with
    // its parent when that is missing; "" keeps nothing.
    explicit FileAacEncoderCache(QString folder);

    const QString& folder() const { return m_folder; }

    std::optional<QString> recall(const QString& sourcePath,
                                  const QByteArray& encoderBytes) override;
    void remember(const QString& sourcePath, const QByteArray& encoderBytes,
                  const QString& aacEncoder) override;

private:
    QString m_folder;
};

} // namespace brindlecast
