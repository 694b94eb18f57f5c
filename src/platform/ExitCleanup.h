// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <map>

namespace brindlecast {

class ChildProcess;

// What must not outlive the program when it ends in the middle of work (its window closed, or
// SIGHUP, SIGINT or SIGTERM): a running encoder, the partial output it writes, the encoder put in
// place for the run. The work registers each while it exists; ending the program drains the
// registry first.
class ExitCleanup {
public:
    // Keeps its entry registered for as long as it lives (or until release()).
    class Entry {
    public:
        Entry() = default;
        Entry(Entry&& other) noexcept;
        Entry& operator=(Entry&& other) noexcept;
        ~Entry() { release(); }
        Entry(const Entry&) = delete;
        Entry& operator=(const Entry&) = delete;

        void release();
        // Does now what ending the program would do for this entry alone, then releases it.
        void runNow();

    private:
        friend class ExitCleanup;
        Entry(ExitCleanup* owner, quint64 id) : m_owner(owner), m_id(id) {}

        ExitCleanup* m_owner = nullptr;
        quint64 m_id = 0;
    };

    ExitCleanup() = default;
    ExitCleanup(const ExitCleanup&) = delete;
    ExitCleanup& operator=(const ExitCleanup&) = delete;

    [[nodiscard]] Entry endChild(ChildProcess& child);
    [[nodiscard]] Entry removeFile(const QString& path);
    // The folder and the files directly in it; nothing below a subfolder is touched.
    [[nodiscard]] Entry removeFolder(const QString& folder);
    // Something to undo that is reached through descriptors rather than names (a partial output
    // in its private folder); run with the files. It must not throw.
    [[nodiscard]] Entry runAtEnd(std::function<void()> undo);

    // Ends every registered child and waits until it has gone, so nothing writes any more; then
    // removes the files, then the folders. The registry is empty afterwards. Handles no events.
    void drain();

    bool isEmpty() const { return m_items.empty(); }

private:
    enum class Kind { Child, File, Folder };
    struct Item {
        Kind kind;
        ChildProcess* child = nullptr;
        QString path;
        std::function<void()> undo;
    };

    Entry add(Item item);
    static void clean(const Item& item);

    std::map<quint64, Item> m_items;
    quint64 m_nextId = 1;
};

} // namespace brindlecast
