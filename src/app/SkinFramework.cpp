// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SkinFramework.h"

#include "core/Failure.h"
#include "platform/FileSystem.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace brindlecast {

namespace {

bool takesSkinBackground(const QWidget* widget)
{
    return qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget) ||
           qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLabel*>(widget);
}

} // namespace

void SkinFramework::loadSkin(const QString& skinPath)
{
    QFile file(skinPath);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(
            QCoreApplication::translate("SkinFramework", "Could not load the skin file: %1")
                .arg(file.errorString()));
    m_styleSheet = QString::fromUtf8(file.readAll());
    m_loaded = true;
}

void SkinFramework::applyWindow(QWidget& window) const
{
    if (m_loaded)
        window.setStyleSheet(m_styleSheet);
}

void ApplySkin(QWidget& window, SkinFramework& skin, const FileSystem& fileSystem,
               const QString& applicationFolder)
{
    const QString skinPath = applicationFolder + QStringLiteral("/x/o.cjs");
    if (!fileSystem.exists(skinPath))
        return;

    // The window's own button face, which its dark texts are chosen for. A style sheet stops
    // the window's palette from reaching its controls, so each control is given it itself.
    QPalette skinned = window.palette();
    skinned.setColor(QPalette::Window, skinned.color(QPalette::Button));
    window.setPalette(skinned);
    window.setAutoFillBackground(true);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow())
            continue;
        child->setPalette(skinned);
        if (takesSkinBackground(child))
            child->setAutoFillBackground(true);
    }
    skin.loadSkin(skinPath);
    skin.applyWindow(window);
}

} // namespace brindlecast
