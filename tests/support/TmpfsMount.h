// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <sys/mount.h>

namespace brindlecast::test {

// A small tmpfs mounted on a folder of the test for as long as the object lives. Mounting needs
// root (tests run as root here and in CI); mounted() tells whether it was permitted.
class TmpfsMount {
public:
    TmpfsMount(const QString& folder, const char* options, unsigned long flags = 0)
        : m_folder(QFile::encodeName(folder))
    {
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", flags, options) == 0;
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return m_mounted; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

} // namespace brindlecast::test
