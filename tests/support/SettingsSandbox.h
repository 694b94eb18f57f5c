// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QTemporaryDir>

namespace brindlecast::test {

// Points the settings store at a fresh temporary folder for the lifetime of the object.
class SettingsSandbox {
public:
    SettingsSandbox();

    // Raw access to the stored values of the program's section, as another program would see them.
    QVariant value(const QString& name) const;
    void setValue(const QString& name, const QString& text);
    bool contains(const QString& name) const;
    QString fileName() const;

private:
    QTemporaryDir m_dir;
};

} // namespace brindlecast::test
