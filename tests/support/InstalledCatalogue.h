// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace brindlecast::test {

// Installs a catalogue for one test and takes it out again, so that the others stay English.
class InstalledCatalogue {
public:
    explicit InstalledCatalogue(const QString& file)
    {
        m_loaded = m_translator.load(file);
        if (m_loaded)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~InstalledCatalogue() { QCoreApplication::removeTranslator(&m_translator); }
    InstalledCatalogue(const InstalledCatalogue&) = delete;
    InstalledCatalogue& operator=(const InstalledCatalogue&) = delete;

    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

} // namespace brindlecast::test
