// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sample-recordings/Mix.h"

#include <QString>
#include <vector>

namespace brindlecast {

// One recording of the Samples folder, rendered and ready to be written.
struct SampleRecording {
    QString fileName;
    int bitsPerSample;
    Mix mix;
};

// Short pieces in different sample rates, channel counts and sample sizes, so that a new user
// has something of each kind to try.
std::vector<SampleRecording> sampleRecordings();

} // namespace brindlecast
