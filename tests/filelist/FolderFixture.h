// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filelist/FileListView.h"
#include "support/QtPrinters.h"
#include "support/ScriptedFileSystem.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast::test {

// The test platform with a file system that can show what a real folder cannot.
class ScriptedFilesPlatform : public TestPlatform {
public:
    ScriptedFileSystem files;
    FileSystem& fileSystem() override { return files; }
};

inline bool runningAsRoot()
{
    return ::geteuid() == 0;
}

// A tree of real folders and files in a temporary folder, made by the test.
class FolderTree {
public:
    // Makes each file (and the folders on its way); a path ending with "/" makes a folder.
    void make(const QStringList& relativePaths) const
    {
        for (const QString& relative : relativePaths) {
            const QString path = at(relative);
            if (relative.endsWith(u'/')) {
                QDir().mkpath(path);
                continue;
            }
            QDir().mkpath(path.left(path.lastIndexOf(u'/')));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write("RIFF");
        }
    }

    QString at(const QString& relative) const { return m_dir.path() + u'/' + relative; }

    QStringList at(const QStringList& relatives) const
    {
        QStringList paths;
        for (const QString& relative : relatives)
            paths << at(relative);
        return paths;
    }

    QString root() const { return m_dir.path(); }

    // Takes every permission from a folder, as an ordinary user meets it; the scripted file
    // system refuses it too, since mode 000 does not stop root.
    void lock(const QString& relative, ScriptedFileSystem& files)
    {
        ::chmod(QFile::encodeName(at(relative)).constData(), 0);
        m_locked << at(relative);
        if (runningAsRoot())
            files.deniedFolders << at(relative);
    }

    ~FolderTree()
    {
        for (const QString& path : std::as_const(m_locked))
            ::chmod(QFile::encodeName(path).constData(), 0700);
    }

private:
    QTemporaryDir m_dir;
    QStringList m_locked;
};

// A main window whose "Add All WAV File(s) In Folder" scans a tree made by the test.
class FolderFixture : public BasicWindowFixture<ScriptedFilesPlatform> {
protected:
    void SetUp() override { openWindow(); }

    ScriptedDialogs& dialogs() { return m_platform.scripted; }
    ScriptedFileSystem& files() { return m_platform.files; }

    // Presses the button; the input box answers the extension and the picker the folder.
    void addAll(const QString& extension, const QString& folder)
    {
        dialogs().inputAnswers.push_back(extension);
        dialogs().folderAnswers.push_back(folder);
        m_form->PushButton3->click();
    }

    QStringList rows() const
    {
        QStringList texts;
        for (int row = 1; row <= m_form->ListView1->rowCount(); ++row)
            texts << m_form->ListView1->rowText(row);
        return texts;
    }

    QString stored(const char* name) const
    {
        return m_settings.value(QString::fromLatin1(name)).toString();
    }

    FolderTree tree;
};

} // namespace brindlecast::test
