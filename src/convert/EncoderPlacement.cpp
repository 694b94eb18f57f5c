// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/EncoderPlacement.h"

#include "convert/AacEncoderChoice.h"
#include "convert/ConversionServices.h"
#include "core/EncoderCommand.h"
#include "core/Failure.h"
#include "platform/EncoderFolders.h"

#include <QByteArray>
#include <QCoreApplication>

namespace brindlecast {

std::optional<QString> putEncoderInPlace(const ConversionServices& services,
                                         AacEncoderChoice& aacEncoders, const PlacementStep& step,
                                         DeployedEncoder& placed)
{
    QString addressWidth;
    step(110, [&] { addressWidth = services.addressWidth(); });
    const int build = encoderBuildFor(addressWidth); // 112
    QByteArray bytes;
    if (auto failure = step(build == kEncoder64BitId ? 114 : 116,
                            [&] { bytes = services.encoderBuild(build); }))
        return failure;
    EncoderFolders& folders = services.encoderFolders;
    if (auto failure = step(118, [&] {
            placed.folder = folders.createFolder(services.temporaryFolder());
            placed.removeOnExit = services.exitCleanup.removeFolder(placed.folder);
            placed.program = folders.deploy(bytes, placed.folder);
        }))
        return failure;
    return step(120, [&] {
        if (!folders.isTrusted(placed.program)) {
            throw Failure(QCoreApplication::translate(
                              "ConversionRun",
                              "The encoder %1 could have been changed by another user, "
                              "so it was not run")
                              .arg(placed.program));
        }
        placed.codec = aacEncoders.forBuild(services, placed.program, bytes);
    });
}

QString untrustedEncoderReason()
{
    return QCoreApplication::translate(
        "ConversionRun", "the encoder could have been changed by another user, so it was not run");
}

} // namespace brindlecast
