// SPDX-License-Identifier: GPL-3.0-or-later
// Starts as the program does, under the locale its environment gives, and prints the catalogue
// files it loaded (one a line), then a text of the window and one of Qt's standard buttons.
#include "app/Translations.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    for (const QString& file : brindlecast::installTranslations(application))
        out << "loaded " << file << '\n';
    out << "window " << QCoreApplication::translate("brindlecast::Form1", "Clear List") << '\n';
    out << "qt " << QCoreApplication::translate("QPlatformTheme", "Cancel") << '\n';
    return 0;
}
