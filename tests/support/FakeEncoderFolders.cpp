// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeEncoderFolders.h"

#include "core/ErrorNumbers.h"

#include <gtest/gtest.h>

namespace brindlecast::test {

QString FakeEncoderFolders::createFolder(const QString& temporaryFolder)
{
    if (!m_temporary.isEmpty()) {
        EXPECT_EQ(temporaryFolder, m_temporary);
    }
    if (createFailure)
        throw makeFailure(ErrorNumber::PermissionDenied, *createFailure);
    const QString folder = temporaryFolder + QStringLiteral("/run-%1").arg(created.size() + 1);
    created.append(folder);
    return folder;
}

QString FakeEncoderFolders::deploy(const QByteArray& bytes, const QString& folder)
{
    if (deployFailure)
        throw makeFailure(ErrorNumber::PathFileAccessError, *deployFailure);
    deployedBytes = bytes;
    return folder + QStringLiteral("/encoder");
}

bool FakeEncoderFolders::isTrusted(const QString&) const
{
    return !trusted || trusted(++m_checks);
}

} // namespace brindlecast::test
