// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ExitCleanup.h"

#include "platform/ChildProcess.h"

#include <QFile>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace brindlecast {

namespace {

void removeFolderWithItsFiles(const QString& folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (DIR* entries = ::opendir(name.constData())) {
        const int folderFd = ::dirfd(entries);
        while (const dirent* entry = ::readdir(entries)) {
            struct stat info {};
            if (::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                !S_ISDIR(info.st_mode))
                ::unlinkat(folderFd, entry->d_name, 0);
        }
        ::closedir(entries);
    }
    ::rmdir(name.constData());
}

} // namespace

ExitCleanup::Entry::Entry(Entry&& other) noexcept
    : m_owner(std::exchange(other.m_owner, nullptr)), m_id(std::exchange(other.m_id, 0))
{
}

ExitCleanup::Entry& ExitCleanup::Entry::operator=(Entry&& other) noexcept
{
    if (this != &other) {
        release();
        m_owner = std::exchange(other.m_owner, nullptr);
        m_id = std::exchange(other.m_id, 0);
    }
    return *this;
}

void ExitCleanup::Entry::release()
{
    if (m_owner)
        m_owner->m_items.erase(m_id);
    m_owner = nullptr;
}

void ExitCleanup::Entry::runNow()
{
    if (!m_owner)
        return;
    const auto found = m_owner->m_items.find(m_id);
    if (found != m_owner->m_items.end()) {
        const Item item = found->second;
        m_owner->m_items.erase(found);
        clean(item);
    }
    m_owner = nullptr;
}

void ExitCleanup::clean(const Item& item)
{
    if (item.kind == Kind::Child)
        item.child->endNow();
    else if (item.undo)
        item.undo();
    else if (item.kind == Kind::File)
        ::unlink(QFile::encodeName(item.path).constData());
    else
        removeFolderWithItsFiles(item.path);
}

ExitCleanup::Entry ExitCleanup::add(Item item)
{
    const quint64 id = m_nextId++;
    m_items.emplace(id, std::move(item));
    return Entry(this, id);
}

ExitCleanup::Entry ExitCleanup::endChild(ChildProcess& child)
{
    return add({Kind::Child, &child, {}, {}});
}

ExitCleanup::Entry ExitCleanup::removeFile(const QString& path)
{
    return add({Kind::File, nullptr, path, {}});
}

ExitCleanup::Entry ExitCleanup::removeFolder(const QString& folder)
{
    return add({Kind::Folder, nullptr, folder, {}});
}

ExitCleanup::Entry ExitCleanup::runAtEnd(std::function<void()> undo)
{
    return add({Kind::File, nullptr, QString(), std::move(undo)});
}

void ExitCleanup::drain()
{
    const std::map<quint64, Item> items = std::exchange(m_items, {});
    for (const Kind kind : {Kind::Child, Kind::File, Kind::Folder}) {
        for (const auto& [id, item] : items) {
            if (item.kind == kind)
                clean(item);
        }
    }
}

} // namespace brindlecast
