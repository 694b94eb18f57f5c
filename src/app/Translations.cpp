// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace brindlecast {

namespace {

// The translator is the application's child, so it lives as long as the texts it gives.
void installCatalogue(QCoreApplication& application, const QString& name, const QString& folder,
                      QStringList& loaded)
{
    auto* translator = new QTranslator(&application);
    // QLocale() goes through the system's uiLanguages(), most wanted first.
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        loaded << translator->filePath();
    } else {
        delete translator;
    }
}

} // namespace

QStringList installTranslations(QCoreApplication& application)
{
    QStringList loaded;
    // Qt's own, so that its dialogs and standard buttons speak the same language.
    installCatalogue(application, QStringLiteral("qtbase"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath), loaded);
    // Installed last, so that it is asked first.
    installCatalogue(application, QStringLiteral("brindlecast"), QStringLiteral(":/i18n"), loaded);
    return loaded;
}

} // namespace brindlecast
