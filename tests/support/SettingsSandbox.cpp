// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/SettingsSandbox.h"

#include "core/Settings.h"

namespace brindlecast::test {

namespace {

QSettings openSection()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(SettingsStore::kRoot),
                     QString::fromLatin1(SettingsStore::kApplicationName));
}

QString keyOf(const QString& name)
{
    return QString::fromLatin1(SettingsStore::kSection) + u'/' + name;
}

} // namespace

SettingsSandbox::SettingsSandbox()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
}

QVariant SettingsSandbox::value(const QString& name) const
{
    return openSection().value(keyOf(name));
}

void SettingsSandbox::setValue(const QString& name, const QString& text)
{
    QSettings settings = openSection();
    settings.setValue(keyOf(name), text);
}

bool SettingsSandbox::contains(const QString& name) const
{
    return openSection().contains(keyOf(name));
}

QString SettingsSandbox::fileName() const
{
    return openSection().fileName();
}

} // namespace brindlecast::test
