// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>

namespace brindlecast {

// The wide-character C entry points of the MediaInfo library, found at run time. wchar_t is
// 32 bits wide here, which is what the library's Linux build expects.
struct MediaInfoEntryPoints {
    void* (*New)() = nullptr;
    std::size_t (*Open)(void* handle, const wchar_t* fileName) = nullptr;
    const wchar_t* (*Get)(void* handle, int streamKind, std::size_t streamNumber,
                          const wchar_t* parameter, int infoKind, int searchKind) = nullptr;
    void (*Close)(void* handle) = nullptr;
    void (*Delete)(void* handle) = nullptr;
    // Optional: a library without it is used with its default options.
    const wchar_t* (*Option)(void* handle, const wchar_t* option, const wchar_t* value) = nullptr;
};

// Loads the library by file name at its first use and keeps it loaded, so probing many files
// does not load and unload it each time. A missing library or entry point is a Failure.
class MediaInfoLibrary {
public:
    static constexpr auto kDefaultFileName = "libmediainfo.so.0";

    explicit MediaInfoLibrary(QString fileName = QString::fromLatin1(kDefaultFileName));
    MediaInfoLibrary(const MediaInfoLibrary&) = delete;
    MediaInfoLibrary& operator=(const MediaInfoLibrary&) = delete;

    const QString& fileName() const { return m_fileName; }

    // Throws Failure (number 48, "Error in loading DLL", or 453 for a missing entry point).
    const MediaInfoEntryPoints& entryPoints();

private:
    QString m_fileName;
    void* m_library = nullptr;
    MediaInfoEntryPoints m_entryPoints;
};

} // namespace brindlecast
