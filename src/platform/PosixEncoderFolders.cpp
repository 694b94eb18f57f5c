// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PosixEncoderFolders.h"

#include "platform/EncoderDeployment.h"

namespace brindlecast {

QString PosixEncoderFolders::createFolder(const QString& temporaryFolder)
{
    return createEncoderFolder(temporaryFolder);
}

QString PosixEncoderFolders::deploy(const QByteArray& bytes, const QString& folder)
{
    deployEncoder(bytes, folder);
    return encoderPathIn(folder);
}

bool PosixEncoderFolders::isTrusted(const QString& program) const
{
    const QString folder = program.left(program.lastIndexOf(u'/'));
    return program == encoderPathIn(folder) && isTrustedEncoder(folder);
}

void PosixEncoderFolders::removeFolder(const QString& folder)
{
    removeEncoderFolder(folder);
}

} // namespace brindlecast
