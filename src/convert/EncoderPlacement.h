// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ExitCleanup.h"

#include <QString>
#include <functional>
#include <optional>

namespace brindlecast {

class AacEncoderChoice;
struct ConversionServices;

// The encoder put in place for one run.
struct DeployedEncoder {
    QString folder;  // the run's private folder, "" until it exists
    QString program; // what is run
    QString codec;   // the AAC encoder it offers
    // Removes the folder should the program end before the run does.
    ExitCleanup::Entry removeOnExit;
};

// Runs one numbered step of putting the encoder in place; returns why it failed, or nullopt.
using PlacementStep =
    std::function<std::optional<QString>(int location, const std::function<void()>& action)>;

// Reads the processor's width (110; when that fails, the 32-bit build is taken), loads the build
// for it (114 or 116), makes the run's private folder and puts the encoder in it (118), checks
// that nobody else can have changed it and asks which AAC encoder it offers (120). Returns why
// the encoder cannot be used, or nullopt. Whatever the outcome, the caller removes placed.folder
// once it is set.
std::optional<QString> putEncoderInPlace(const ConversionServices& services,
                                         AacEncoderChoice& aacEncoders, const PlacementStep& step,
                                         DeployedEncoder& placed);

// The encoder's trust, checked again before every file.
QString untrustedEncoderReason();

} // namespace brindlecast
