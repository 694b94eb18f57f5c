// SPDX-License-Identifier: GPL-3.0-or-later
// The program picks its catalogue and Qt's by the languages of its environment, as the system's
// locale reads them (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG). The locale is read once per
// process, so each case starts a helper that starts as the program does.
#include "support/QtPrinters.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace brindlecast {
namespace {

using namespace Qt::StringLiterals;

using Variables = std::initializer_list<std::pair<const char*, const char*>>;

// The helper's lines, started with only the given locale variables set.
QStringList helperLines(Variables variables)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QLatin1String(name));
    for (const auto& [name, value] : variables)
        environment.insert(QLatin1String(name), QLatin1String(value));
    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start(QStringLiteral(BRINDLECAST_TRANSLATION_HELPER), {});
    if (!helper.waitForFinished(-1) || helper.exitCode() != 0)
        return {u"helper failed: "_s + QString::fromLocal8Bit(helper.readAllStandardError())};
    return QString::fromUtf8(helper.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

QStringList loadedFiles(const QStringList& lines)
{
    QStringList files;
    for (const QString& line : lines) {
        if (line.startsWith(u"loaded "_s))
            files << line.mid(7);
    }
    return files;
}

TEST(TranslationLoader, LanguageComesFirst)
{
    const QStringList lines = helperLines({{"LANGUAGE", "de"}, {"LANG", "en_US.UTF-8"}});
    EXPECT_TRUE(loadedFiles(lines).contains(u":/i18n/brindlecast_de.qm"_s))
        << lines.join(u'|').toStdString();
    EXPECT_TRUE(lines.contains(u"window Liste leeren"_s)) << lines.join(u'|').toStdString();
}

TEST(TranslationLoader, LanguageListFallsThroughToAKnownOne)
{
    const QStringList lines = helperLines({{"LANGUAGE", "tlh:de"}, {"LANG", "en_US.UTF-8"}});
    EXPECT_TRUE(loadedFiles(lines).contains(u":/i18n/brindlecast_de.qm"_s))
        << lines.join(u'|').toStdString();
}

TEST(TranslationLoader, LangAloneIsEnough)
{
    const QStringList lines = helperLines({{"LANG", "de_DE.UTF-8"}});
    EXPECT_TRUE(loadedFiles(lines).contains(u":/i18n/brindlecast_de.qm"_s))
        << lines.join(u'|').toStdString();
    EXPECT_TRUE(lines.contains(u"window Liste leeren"_s)) << lines.join(u'|').toStdString();
}

TEST(TranslationLoader, LcAllOutranksLang)
{
    const QStringList lines = helperLines({{"LC_ALL", "de_DE.UTF-8"}, {"LANG", "en_US.UTF-8"}});
    EXPECT_TRUE(lines.contains(u"window Liste leeren"_s)) << lines.join(u'|').toStdString();
}

TEST(TranslationLoader, LcMessagesOutranksLang)
{
    const QStringList lines =
        helperLines({{"LC_MESSAGES", "de_DE.UTF-8"}, {"LANG", "en_US.UTF-8"}});
    EXPECT_TRUE(lines.contains(u"window Liste leeren"_s)) << lines.join(u'|').toStdString();
}

TEST(TranslationLoader, QtsOwnCatalogueSpeaksTheSameLanguage)
{
    const QStringList lines = helperLines({{"LANG", "de_DE.UTF-8"}});
    bool qtbase = false;
    for (const QString& file : loadedFiles(lines))
        qtbase = qtbase || file.endsWith(u"/qtbase_de.qm"_s);
    EXPECT_TRUE(qtbase) << lines.join(u'|').toStdString();
    EXPECT_TRUE(lines.contains(u"qt Abbrechen"_s)) << lines.join(u'|').toStdString();
}

TEST(TranslationLoader, EnglishAndTheCLocaleKeepTheSourceTexts)
{
    for (const Variables& variables :
         {Variables{{"LANG", "C"}}, Variables{{"LANG", "en_US.UTF-8"}},
          Variables{{"LANGUAGE", "en"}, {"LANG", "de_DE.UTF-8"}}, Variables{}}) {
        const QStringList lines = helperLines(variables);
        EXPECT_FALSE(loadedFiles(lines).join(u'|').contains(u"brindlecast_"_s))
            << lines.join(u'|').toStdString();
        EXPECT_TRUE(lines.contains(u"window Clear List"_s)) << lines.join(u'|').toStdString();
        EXPECT_TRUE(lines.contains(u"qt Cancel"_s)) << lines.join(u'|').toStdString();
    }
}

} // namespace
} // namespace brindlecast
