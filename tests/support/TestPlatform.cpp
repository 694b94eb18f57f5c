// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TestPlatform.h"

#include <QDir>
#include <QFile>

namespace brindlecast::test {

TestPlatform::TestPlatform()
    : encoderCache(m_root.filePath(QStringLiteral("cache/brindlecast-studio")))
{
    appFolder = m_root.filePath(QStringLiteral("app"));
    home = m_root.filePath(QStringLiteral("home"));
    desktop = home + QStringLiteral("/Desktop");
    music = home + QStringLiteral("/Music");
    QDir().mkpath(appFolder);
    QDir().mkpath(desktop);
    const QString assets = QStringLiteral(BRINDLECAST_ASSETS_DIR);
    QFile::copy(assets + QStringLiteral("/hand-pointer.xpm"),
                appFolder + QStringLiteral("/HAND-M.CUR"));
    QFile::copy(assets + QStringLiteral("/window-icon.xpm"),
                appFolder + QStringLiteral("/brindlecast.xpm"));
    QFile::copy(assets + QStringLiteral("/drag-pointer.xpm"),
                appFolder + QStringLiteral("/drag.ico"));
}

} // namespace brindlecast::test
