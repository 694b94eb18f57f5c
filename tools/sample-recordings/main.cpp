// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the sample recordings into the folder given (made if missing):
//
//   make_sample_recordings FOLDER
#include "sample-recordings/Recordings.h"
#include "wav/WavFile.h"

#include <QDir>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    using namespace brindlecast;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    try {
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
            return 1;
        }
        for (const SampleRecording& recording : sampleRecordings()) {
            const Mix& mix = recording.mix;
            const WavFormat format{mix.sampleRate(), mix.channels(), recording.bitsPerSample,
                                   mix.seconds()};
            const QString path = QDir(folder).filePath(recording.fileName);
            if (!writeWav(path, format,
                          [&mix](qint64 frame, int channel) { return mix.at(frame, channel); })) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
