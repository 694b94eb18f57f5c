// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCoreApplication;

namespace brindlecast {

// Installs the program's catalogue and Qt's own for the user's languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), before any text is made. English needs none: the texts are written in it.
// Returns the catalogue files loaded, for the tests.
QStringList installTranslations(QCoreApplication& application);

} // namespace brindlecast
