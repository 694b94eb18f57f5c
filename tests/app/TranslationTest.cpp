// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues embedded in the program reach the texts people read: a German catalogue turns
// the window's controls and the closing message's counts into German, choosing plural forms.
#include "app/Form1.h"
#include "app/TextProgressBar.h"
#include "core/RunReport.h"
#include "support/InstalledCatalogue.h"
#include "support/QtPrinters.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace brindlecast {
namespace {

using namespace Qt::StringLiterals;
using test::InstalledCatalogue;

TEST(Catalogues, EveryLanguageIsEmbedded)
{
    for (const char* language : {"de", "fr", "es", "it", "pt_BR", "pl"}) {
        const QString file = u":/i18n/brindlecast_%1.qm"_s.arg(QLatin1String(language));
        EXPECT_TRUE(QFile::exists(file)) << file.toStdString();
    }
}

class TranslatedWindow : public test::WindowFixture {};

TEST_F(TranslatedWindow, GermanCatalogueChangesTheControlTexts)
{
    const InstalledCatalogue german(u":/i18n/brindlecast_de.qm"_s);
    ASSERT_TRUE(german.loaded());
    Form1& window = openWindow();
    EXPECT_EQ(window.PushButton4->text(), u"Liste leeren"_s);
    EXPECT_EQ(window.PushButton2->text(), u"Konvertierung starten"_s);
    EXPECT_EQ(window.ProgressBar1->text(), u"Fortschrittsanzeige"_s);
    // No caption of the window is left in English.
    const QList<std::pair<QString, QString>> captions = {
        {window.PushButton1->text(), u"Add WAV File(s)"_s},
        {window.PushButton3->text(), u"Add All WAV File(s) In Folder"_s},
        {window.PushButton5->text(), u"Load Sample/Example Files"_s},
        {window.Frame2->title(), u"Bit Rate Of Output File"_s},
        {window.Option1->text(), u"Use same bit rate as input file (most efficient)"_s},
        {window.Option2->text(), u"Use this constant bit rate for all files:"_s},
        {window.Frame3->title(), u"Save Option"_s},
        {window.Option3->text(), u"Save results to this folder:"_s},
        {window.Check1->text(), u"Keep subfolders"_s},
        {window.Option4->text(), u"Save results in folder of original file"_s},
    };
    for (const auto& [shown, english] : captions)
        EXPECT_NE(shown, english);
}

TEST_F(TranslatedWindow, WithoutCatalogueTheTextsAreEnglish)
{
    Form1& window = openWindow();
    EXPECT_EQ(window.PushButton4->text(), u"Clear List"_s);
    EXPECT_EQ(window.PushButton2->text(), u"Start Converting"_s);
    EXPECT_EQ(window.ProgressBar1->text(), u"Progress Bar"_s);
}

TEST(TranslatedRunReport, GermanCatalogueChoosesThePluralForm)
{
    const InstalledCatalogue german(u":/i18n/brindlecast_de.qm"_s);
    ASSERT_TRUE(german.loaded());
    RunReport report;
    report.addFailure(u"/music/a.wav"_s, u"reason"_s);
    report.addFailure(u"/music/b.wav"_s, u"reason"_s);
    const QString message = report.closingMessage(3);
    EXPECT_TRUE(message.contains(u"2 von 3 Dateien fehlgeschlagen:"_s)) << message.toStdString();
}

} // namespace
} // namespace brindlecast
