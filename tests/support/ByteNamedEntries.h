// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {

// Folders and files made under names given as bytes (names that are not UTF-8, which Qt cannot
// name), removed again at the end, last made first.
class ByteNamedEntries {
public:
    bool folder(const QByteArray& path)
    {
        m_made.prepend(path);
        return ::mkdir(path.constData(), 0700) == 0;
    }

    bool file(const QByteArray& path)
    {
        m_made.prepend(path);
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        return fd >= 0 && ::close(fd) == 0;
    }

    // Under `base` (ending with "/"): a folder "\xff" and a folder named by the replacement
    // character itself, each holding "in.wav", and a file "bad\xff.wav": two different folders
    // that decode to one text, and a file no text can name.
    bool namesThatAreNotUtf8(const QByteArray& base)
    {
        for (const QByteArray& name : {QByteArray("\xff"), QByteArray("\xef\xbf\xbd")}) {
            if (!folder(base + name) || !file(base + name + "/in.wav"))
                return false;
        }
        return file(base + "bad\xff.wav");
    }

    ~ByteNamedEntries()
    {
        for (const QByteArray& path : std::as_const(m_made)) {
            if (::unlink(path.constData()) != 0)
                ::rmdir(path.constData());
        }
    }

private:
    QByteArrayList m_made;
};

} // namespace brindlecast::test
