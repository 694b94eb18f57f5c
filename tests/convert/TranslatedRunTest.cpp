// SPDX-License-Identifier: GPL-3.0-or-later
// In every language of the catalogues, no text a run shows is left in English: the window's
// controls as a screen reader reads them before, during and after a run, the bar's text and the
// window's title during it, and the message boxes it asks and closes with. Each text is compared
// with the one the same run shows with no catalogue installed.
#include "convert/ConversionFixture.h"
#include "filelist/FileListView.h"
#include "platform/EncoderStore.h"
#include "support/InstalledCatalogue.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <optional>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

// Where each text was seen ("during/Form1/PushButton2 name"), and the text.
using SeenTexts = QMap<QString, QString>;

// Every text of a node and of the nodes below it, as a screen reader walks the tree. Scroll bars
// speak Qt's own texts, not the program's; a drop-down list's entries are bit rates.
void collectTexts(QAccessibleInterface* node, const QString& where, SeenTexts& seen)
{
    const std::pair<QAccessible::Text, QString> kinds[] = {
        {QAccessible::Name, u"name"_s},
        {QAccessible::Description, u"description"_s},
        {QAccessible::Value, u"value"_s}};
    for (const auto& [kind, kindName] : kinds) {
        const QString text = node->text(kind);
        if (!text.isEmpty())
            seen.insert(where + u' ' + kindName, text);
    }
    if (node->role() == QAccessible::ComboBox)
        return;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || qobject_cast<QScrollBar*>(child->object()))
            continue;
        const QObject* object = child->object();
        const QString name =
            object && !object->objectName().isEmpty() ? object->objectName() : QString::number(i);
        collectTexts(child, where + u'/' + name, seen);
    }
}

// What is left of a text once the parts that stay the same in every language are taken out:
// the product's name, bit rates, paths and file names, numbers and punctuation.
QString wordsOf(QString text)
{
    text.remove(u"Brindlecast Studio"_s);
    text.remove(u"Brindlecast"_s);
    text.replace(QRegularExpression(u"\\d+\\s*kbps"_s), u" "_s);
    text.replace(QRegularExpression(u"(?<!\\S)/\\S*"_s), u" "_s);
    text.replace(QRegularExpression(u"\\S+\\.(wav|aac|txt)\\b"_s), u" "_s);
    text.replace(QRegularExpression(u"[\\d\\p{P}\\p{S}]+"_s), u" "_s);
    return text.simplified();
}

QStringList linesOf(const QString& text)
{
    QStringList lines = QString(text).remove(u'\r').split(u'\n');
    for (QString& line : lines)
        line = wordsOf(line);
    return lines;
}

// The English lines a translation leaves as they are. Texts of as many lines are compared line
// by line, so that one English line in a long closing message is found too.
QStringList untranslatedLines(const QString& english, const QString& translated)
{
    QStringList left;
    const QStringList englishLines = linesOf(english);
    const QStringList translatedLines = linesOf(translated);
    if (englishLines.size() != translatedLines.size()) {
        const QString words = wordsOf(english);
        if (!words.isEmpty() && words == wordsOf(translated))
            left.append(words);
        return left;
    }
    for (qsizetype i = 0; i < englishLines.size(); ++i) {
        if (!englishLines[i].isEmpty() && englishLines[i] == translatedLines[i])
            left.append(englishLines[i]);
    }
    return left;
}

struct Language {
    std::string name;
};

void PrintTo(const Language& language, std::ostream* out)
{
    *out << language.name;
}

class TranslatedRun : public ConversionFixture, public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override
    {
        ConversionFixture::SetUp();
        // The encoder reads its input at playing speed, so the long file is still at work when
        // Escape is pressed.
        m_platform.encoderBytes =
            "#!/bin/sh\nexec \"" + QFile::encodeName(installedEncoderPath()) + "\" -re \"$@\"\n";
        activate();
    }

    void activate()
    {
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }

    void collectWindow(const QString& phase, SeenTexts& seen)
    {
        collectTexts(QAccessible::queryAccessibleInterface(m_form.get()), phase + u"/Form1"_s,
                     seen);
    }

    // Adds a file that converts, one that is missing and a long one, converts, and stops
    // during the long one's encode with Escape and Yes. The files lie in a folder of the run's
    // own, so that each run starts with no outputs.
    SeenTexts runAndStop(const QString& folder)
    {
        SeenTexts seen;
        EXPECT_TRUE(QDir(m_work.path()).mkpath(folder));
        const QString good = makeWav(folder + u"/good.wav"_s, {8000, 1, 16, 0.5});
        const QString missing = workPath(folder + u"/missing.wav"_s);
        const QString longOne = makeWav(folder + u"/long.wav"_s, {8000, 1, 16, 60.0});
        prepare({good, missing, longOne}, u"64 kbps"_s, false);
        collectWindow(u"before"_s, seen);

        m_platform.scripted.messages.clear();
        m_platform.scripted.messageAnswers = {MessageAnswer::Yes};
        bool pressed = false;
        m_platform.onWait = [&](const ProcessCommand& command) {
            if (pressed || !command.arguments.contains(u"file:"_s + longOne) ||
                !partialMadeBeside(longOne))
                return;
            pressed = true;
            collectWindow(u"during"_s, seen);
            seen.insert(u"during/window title"_s, m_form->windowTitle());
            QTest::keyClick(m_form->ListView1, Qt::Key_Escape);
        };
        clickStartConverting();
        m_platform.onWait = {};
        EXPECT_TRUE(pressed);
        EXPECT_FALSE(m_form->conversion().isConverting());
        collectWindow(u"after"_s, seen);

        for (qsizetype i = 0; i < m_platform.scripted.messages.size(); ++i) {
            const MessageRequest& message = m_platform.scripted.messages[i];
            const QString where = u"message %1"_s.arg(i + 1);
            seen.insert(where + u" text"_s, message.text);
            seen.insert(where + u" title"_s, message.title);
        }
        return seen;
    }
};

TEST_P(TranslatedRun, NoTextOfARunIsLeftInEnglish)
{
    const QString language = QString::fromStdString(GetParam().name);
    const SeenTexts english = runAndStop(u"en"_s);
    // The run was seen: the stop question, the closing message, the button and the bar at work.
    ASSERT_EQ(english.value(u"message 1 text"_s), u"Stop converting?"_s);
    ASSERT_TRUE(english.value(u"message 2 text"_s).startsWith(u"Stopped."_s));
    ASSERT_EQ(english.value(u"during/Form1/7 name"_s), u"Stop Converting"_s);
    ASSERT_TRUE(
        english.value(u"during/Form1/8 description"_s).startsWith(u"Processing: long.wav"_s));
    ASSERT_TRUE(english.value(u"during/window title"_s).contains(u" files"_s));

    m_form.reset();
    m_platform.started.clear();
    InstalledCatalogue catalogue(u":/i18n/brindlecast_%1.qm"_s.arg(language));
    ASSERT_TRUE(catalogue.loaded()) << language.toStdString();
    openWindow(Shown::Yes);
    activate();
    const SeenTexts translated = runAndStop(language);

    for (auto it = english.begin(); it != english.end(); ++it) {
        if (!translated.contains(it.key())) {
            if (!wordsOf(it.value()).isEmpty()) {
                ADD_FAILURE() << "language " << language.toStdString() << ": \""
                              << it.value().toStdString() << "\" (" << it.key().toStdString()
                              << ") has no counterpart";
            }
            continue;
        }
        const QString& text = translated[it.key()];
        for (const QString& line : untranslatedLines(it.value(), text)) {
            ADD_FAILURE() << "language " << language.toStdString() << ": \""
                          << it.value().toStdString() << "\" (" << it.key().toStdString()
                          << ") is left in English as \"" << text.toStdString()
                          << "\"; English words: \"" << line.toStdString() << '"';
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedRun,
                         ::testing::Values(Language{"de"}, Language{"fr"}, Language{"es"},
                                           Language{"it"}, Language{"pt_BR"}, Language{"pl"}),
                         [](const ::testing::TestParamInfo<Language>& language) {
                             return language.param.name;
                         });

} // namespace
} // namespace brindlecast::test
