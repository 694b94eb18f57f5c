// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace brindlecast {

class FileSystem;

// The skin component: loads a Qt style sheet from the skin file and applies it to a window.
class SkinFramework {
public:
    // Throws Failure when the skin file cannot be read.
    void loadSkin(const QString& skinPath);

    void applyWindow(QWidget& window) const;

private:
    QString m_styleSheet;
    bool m_loaded = false;
};

// Switches the skinned look on when "x/o.cjs" exists in the application folder: the window's
// button-face colour behind the window, frames and option buttons, and the skin's style sheet.
// Without the file the window keeps its plain white look.
void ApplySkin(QWidget& window, SkinFramework& skin, const FileSystem& fileSystem,
               const QString& applicationFolder);

} // namespace brindlecast
