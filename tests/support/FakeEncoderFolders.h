// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EncoderFolders.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace brindlecast::test {

// Encoder folders whose every step can be made to fail, or whose encoder to be untrusted; no
// folder is made and nothing is written.
class FakeEncoderFolders final : public EncoderFolders {
public:
    // The folders are asked for in the given temporary folder; any folder when it is empty.
    explicit FakeEncoderFolders(QString temporaryFolder = {})
        : m_temporary(std::move(temporaryFolder))
    {
    }

    std::optional<QString> createFailure;
    std::optional<QString> deployFailure;
    // Asked at each trust check, numbered from 1; trusted when unset.
    std::function<bool(int check)> trusted;
    QStringList created;
    QStringList removed;
    QByteArray deployedBytes;

    QString createFolder(const QString& temporaryFolder) override;
    QString deploy(const QByteArray& bytes, const QString& folder) override;
    bool isTrusted(const QString& program) const override;
    void removeFolder(const QString& folder) override { removed.append(folder); }

private:
    QString m_temporary;
    mutable int m_checks = 0;
};

} // namespace brindlecast::test
