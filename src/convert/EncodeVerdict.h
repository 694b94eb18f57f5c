// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace brindlecast {

class ChildProcess;
class FileSystem;
class MediaInfoLibrary;

// Why a finished encode left no whole output, or nullopt when it did. The exit code is not the
// whole story: on a full disk the encoder reports the failed write and may still exit with 0, so
// the output must also be free of write errors and, for a PCM WAV input (whose header tells its
// length exactly), last as long as its input (an ADTS output by its frames, an MP4 one by its
// header). The media library is asked, and so loaded, only for an MP4 output.
// What an encode read and wrote: names that lead to those very files now, and the names the
// encoder knew them by (as its error output names them).
struct EncodedFiles {
    QString input;
    QString output;
    QString inputArgument;
    QString outputArgument;
};

std::optional<QString> encodeFailure(int result, const ChildProcess& process,
                                     const EncodedFiles& files, const FileSystem& fileSystem,
                                     const std::function<MediaInfoLibrary&()>& mediaInfo);

// True when an output already there is whole by the same rules: a regular file, not empty, whose
// length can be read, and which lasts as long as its input where the input's header tells that.
bool isWholeOutput(const QString& input, const QString& output, const FileSystem& fileSystem,
                   const std::function<MediaInfoLibrary&()>& mediaInfo);

} // namespace brindlecast
