#include "app/SkinFramework.h"

#include "core/Failure.h"
#include "platform/FileSystem.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

namespace brindlecast {

namespace {

void setBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

bool takesSkinBackground(const QWidget* widget)
{
    return qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QCheckBox*>(widget) ||
           qobject_cast<const QGroupBox*>(widget) || qobject_cast<const QLabel*>(widget);
}

} // namespace

void SkinFramework::loadSkin(const QString& skinPath, const QString& iniSection)
{
    Q_UNUSED(iniSection); // a style sheet has no sections
    QFile file(skinPath);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(QStringLiteral("Could not load the skin file: %1").arg(file.errorString()));
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

    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    setBackground(window, buttonFace);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (takesSkinBackground(child))
            setBackground(*child, buttonFace);
    }
    skin.loadSkin(skinPath, QString());
    skin.setApplyOptions(skin.applyOptions() | 1);
    skin.setApplyColors(true);
    skin.setApplyMetrics(true);
    skin.applyWindow(window);
}

} // namespace brindlecast
