// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MediaInfoLibrary.h"

#include "core/ErrorNumbers.h"

#include <QCoreApplication>
#include <QFile>
#include <dlfcn.h>
#include <utility>

namespace brindlecast {

namespace {

template <typename Function> void bind(void* library, const char* name, Function& function)
{
    void* address = ::dlsym(library, name);
    if (!address) {
        throw makeFailure(ErrorNumber::EntryPointNotFound,
                          QCoreApplication::translate("MediaInfoLibrary",
                                                      "Can't find DLL entry point %1 in MediaInfo")
                              .arg(QString::fromLatin1(name)));
    }
    function = reinterpret_cast<Function>(address);
}

} // namespace

MediaInfoLibrary::MediaInfoLibrary(QString fileName) : m_fileName(std::move(fileName)) {}

const MediaInfoEntryPoints& MediaInfoLibrary::entryPoints()
{
    if (m_entryPoints.Delete)
        return m_entryPoints;
    if (!m_library) {
        m_library = ::dlopen(QFile::encodeName(m_fileName).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!m_library) {
            const char* reason = ::dlerror();
            throw makeFailure(
                ErrorNumber::DllNotLoaded,
                QCoreApplication::translate("MediaInfoLibrary", "File not found: %1 (%2)")
                    .arg(m_fileName, QString::fromLocal8Bit(reason ? reason : "")));
        }
    }
    MediaInfoEntryPoints found;
    bind(m_library, "MediaInfo_New", found.New);
    bind(m_library, "MediaInfo_Open", found.Open);
    bind(m_library, "MediaInfo_Get", found.Get);
    bind(m_library, "MediaInfo_Close", found.Close);
    bind(m_library, "MediaInfo_Delete", found.Delete);
    found.Option = reinterpret_cast<decltype(found.Option)>(::dlsym(m_library, "MediaInfo_Option"));
    m_entryPoints = found;
    return m_entryPoints;
}

} // namespace brindlecast
