// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace brindlecast {

// The AAC encoder each encoder file named when asked, kept across runs: asking costs a start of
// the encoder, and the answer changes only with the file. Behind an interface so that tests can
// keep it where they like.
class AacEncoderCache {
public:
    virtual ~AacEncoderCache() = default;

    // The AAC encoder kept for the encoder file at sourcePath, the file encoderBytes were read
    // from, when it is still in the state it was asked in; nullopt when none is kept, or what is
    // kept cannot be read or trusted.
    virtual std::optional<QString> recall(const QString& sourcePath,
                                          const QByteArray& encoderBytes) = 0;

    // Keeps the AAC encoder that encoderBytes named, for the file at sourcePath as it is now,
    // provided it still holds exactly those bytes. Never fails: what cannot be kept is not.
    virtual void remember(const QString& sourcePath, const QByteArray& encoderBytes,
                          const QString& aacEncoder) = 0;
};

} // namespace brindlecast
