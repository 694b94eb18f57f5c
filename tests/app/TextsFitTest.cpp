// SPDX-License-Identifier: GPL-3.0-or-later
// In every language the window's texts fit their controls at the opening size: each text is
// measured in its control's font against the room the control gives it, the style's margins
// and indicators taken off.
#include "app/Form1.h"
#include "app/TextProgressBar.h"
#include "filelist/FileListView.h"
#include "support/InstalledCatalogue.h"
#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

using namespace Qt::StringLiterals;

struct Overflow {
    QString control;
    int pixels;
};

class TextsFit : public WindowFixture, public ::testing::WithParamInterface<const char*> {
protected:
    // A button's text against the part of the button the style draws its text in.
    void measure(const QAbstractButton& button, const QString& text, const QString& name)
    {
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = text;
        if (qobject_cast<const QRadioButton*>(&button))
            contents = QStyle::SE_RadioButtonContents;
        else if (qobject_cast<const QCheckBox*>(&button))
            contents = QStyle::SE_CheckBoxContents;
        const int room = button.style()->subElementRect(contents, &option, &button).width();
        expectFits(name, QFontMetrics(button.font()).horizontalAdvance(text), room);
    }

    // A frame's title, drawn in the frame's font from its left margin.
    void measure(const QGroupBox& frame, const QString& name)
    {
        QStyleOptionGroupBox option;
        option.initFrom(&frame);
        option.text = frame.title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, &frame);
        const int room = frame.width() - label.left();
        expectFits(name, label.width(), room);
    }

    void expectFits(const QString& name, int needed, int room)
    {
        if (needed > room)
            m_overflows.append({name, needed - room});
    }

    QList<Overflow> m_overflows;
};

TEST_P(TextsFit, EveryTextOfTheWindowFitsItsControl)
{
    const QString language = QString::fromLatin1(GetParam());
    std::optional<InstalledCatalogue> catalogue;
    if (!language.isEmpty()) {
        catalogue.emplace(u":/i18n/brindlecast_%1.qm"_s.arg(language));
        ASSERT_TRUE(catalogue->loaded()) << language.toStdString();
    }
    Form1& window = openWindow(Shown::Yes);

    const QList<std::pair<const QAbstractButton*, QString>> buttons = {
        {window.PushButton1, u"PushButton1"_s}, {window.PushButton3, u"PushButton3"_s},
        {window.PushButton4, u"PushButton4"_s}, {window.PushButton5, u"PushButton5"_s},
        {window.PushButton7, u"PushButton7"_s}, {window.Option1, u"Option1"_s},
        {window.Option2, u"Option2"_s},         {window.Option3, u"Option3"_s},
        {window.Check1, u"Check1"_s},           {window.Option4, u"Option4"_s},
        {window.PushButton2, u"PushButton2"_s},
    };
    for (const auto& [button, name] : buttons)
        measure(*button, button->text(), name);
    // The start button's other caption, the one it has during a run.
    measure(*window.PushButton2,
            QCoreApplication::translate("brindlecast::Form1", "Stop Converting"),
            u"PushButton2 during a run"_s);
    measure(*window.Frame2, u"Frame2"_s);
    measure(*window.Frame3, u"Frame3"_s);

    // The list's column header and the bar's resting text, each with the style's margins.
    const QFontMetrics headerFont(window.ListView1->header()->font());
    const int headerMargin = 2 * window.style()->pixelMetric(QStyle::PM_HeaderMargin);
    expectFits(u"ListView1's column"_s,
               headerFont.horizontalAdvance(
                   window.ListView1->model()->headerData(0, Qt::Horizontal).toString()) +
                   headerMargin,
               window.ListView1->columnWidth(0));
    expectFits(
        u"ProgressBar1"_s,
        QFontMetrics(window.ProgressBar1->font()).horizontalAdvance(window.ProgressBar1->text()),
        window.ProgressBar1->contentsRect().width());

    for (const Overflow& overflow : m_overflows) {
        ADD_FAILURE() << "language " << (language.isEmpty() ? "en" : language.toStdString())
                      << ": the text of " << overflow.control.toStdString() << " is "
                      << overflow.pixels << " px too wide";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFit,
                         ::testing::Values("", "de", "fr", "es", "it", "pt_BR", "pl"),
                         [](const ::testing::TestParamInfo<const char*>& language) {
                             const std::string name = language.param;
                             return name.empty() ? std::string("en") : name;
                         });

} // namespace
} // namespace brindlecast::test
