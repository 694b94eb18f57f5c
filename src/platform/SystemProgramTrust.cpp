// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SystemProgramTrust.h"

#include <QByteArrayList>
#include <QFile>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

namespace {

constexpr int kMostLinks = 40; // as the system resolves names

bool onlyRootMayChange(const struct stat& info)
{
    return info.st_uid == 0 && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

QByteArrayList componentsOf(const QByteArray& path)
{
    QByteArrayList parts;
    for (const QByteArray& part : path.split('/')) {
        if (!part.isEmpty() && part != ".")
            parts.append(part);
    }
    return parts;
}

} // namespace

bool isTrustedSystemProgram(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (!name.startsWith('/'))
        return false;
    struct stat info {};
    if (::lstat("/", &info) != 0 || !onlyRootMayChange(info))
        return false;
    // Each name is looked up in a folder already found safe; a link's target is walked the same
    // way, from "/" or from the folder that holds the link.
    QByteArrayList resolved; // the safe folders from "/" down
    QByteArrayList pending = componentsOf(name);
    int links = 0;
    while (!pending.isEmpty()) {
        const QByteArray part = pending.takeFirst();
        if (part == "..") {
            if (!resolved.isEmpty())
                resolved.removeLast();
            continue;
        }
        const QByteArray here = '/' + (resolved + QByteArrayList{part}).join('/');
        if (::lstat(here.constData(), &info) != 0)
            return false;
        // A link's own mode bits mean nothing; its folder decides who may replace it.
        if (S_ISLNK(info.st_mode)) {
            if (info.st_uid != 0)
                return false;
            if (++links > kMostLinks)
                return false;
            QByteArray target(PATH_MAX, '\0');
            const ssize_t length = ::readlink(here.constData(), target.data(), target.size());
            if (length <= 0 || length >= target.size())
                return false;
            target.truncate(length);
            if (target.startsWith('/'))
                resolved.clear();
            pending = componentsOf(target) + pending;
            continue;
        }
        if (!onlyRootMayChange(info))
            return false;
        if (pending.isEmpty())
            return S_ISREG(info.st_mode) && (info.st_mode & S_IXUSR) != 0;
        if (!S_ISDIR(info.st_mode))
            return false;
        resolved.append(part);
    }
    return false;
}

} // namespace brindlecast
