// SPDX-License-Identifier: GPL-3.0-or-later
// Under a dark desktop colour scheme every text of the window stays readable: each control's
// text colour against the colour behind it, both from the palette the control paints with, has
// at least the contrast of 4.5:1 that readable text needs.
#include "app/Form1.h"
#include "filelist/FileListView.h"
#include "support/QtPrinters.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace brindlecast::test {
namespace {

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrast(const QColor& one, const QColor& other)
{
    const double a = relativeLuminance(one);
    const double b = relativeLuminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QPalette darkScheme()
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    for (const auto& [role, colour] : std::vector<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, window},
             {QPalette::WindowText, Qt::white},
             {QPalette::Base, QColor(0x23, 0x23, 0x23)},
             {QPalette::AlternateBase, window},
             {QPalette::Text, Qt::white},
             {QPalette::Button, window},
             {QPalette::ButtonText, Qt::white},
             {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)},
             {QPalette::HighlightedText, Qt::black},
             {QPalette::Light, QColor(0x50, 0x50, 0x50)},
             {QPalette::Mid, QColor(0x25, 0x25, 0x25)},
             {QPalette::Dark, QColor(0x19, 0x19, 0x19)}})
        dark.setColor(role, colour);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x7f, 0x7f, 0x7f));
    return dark;
}

// A text colour and the colour it is painted on.
struct TextOn {
    QPalette::ColorRole text;
    QPalette::ColorRole background;
    // The background comes from the nearest widget, the control or one behind it, that fills
    // its background.
    bool behind = false;
};

// The pairs a control paints its texts with; none for controls without text of their own.
std::vector<TextOn> textsOf(const QWidget* widget)
{
    if (qobject_cast<const QRadioButton*>(widget))
        return {{QPalette::WindowText, QPalette::Window, true}};
    if (qobject_cast<const QGroupBox*>(widget)) // styles draw its caption in either colour
        return {{QPalette::WindowText, QPalette::Window, true},
                {QPalette::Text, QPalette::Window, true}};
    if (qobject_cast<const QPushButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
        qobject_cast<const QHeaderView*>(widget))
        return {{QPalette::ButtonText, QPalette::Button}};
    if (qobject_cast<const QLineEdit*>(widget))
        return {{QPalette::Text, QPalette::Base}};
    if (qobject_cast<const QProgressBar*>(widget) || qobject_cast<const FileListView*>(widget))
        return {{QPalette::Text, QPalette::Base}, {QPalette::HighlightedText, QPalette::Highlight}};
    return {};
}

const QWidget* filledBehind(const QWidget* widget)
{
    while (widget->parentWidget() && !widget->autoFillBackground())
        widget = widget->parentWidget();
    return widget;
}

class DarkScheme : public WindowFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        m_saved = QApplication::palette();
        QApplication::setPalette(darkScheme());
        if (GetParam()) {
            ASSERT_TRUE(QDir(m_platform.appFolder).mkpath(QStringLiteral("x")));
            QFile skin(m_platform.appFolder + QStringLiteral("/x/o.cjs"));
            ASSERT_TRUE(skin.open(QIODevice::WriteOnly));
            skin.write("QPushButton { font-weight: bold; }");
        }
    }
    void TearDown() override
    {
        WindowFixture::TearDown();
        QApplication::setPalette(m_saved);
    }

    QPalette m_saved;
};

TEST_P(DarkScheme, EveryTextHasEnoughContrast)
{
    Form1& form = openWindow(Shown::Yes);
    form.ListView1->appendRow(QStringLiteral("/music/a.wav"));

    QSet<QString> checked;
    for (const QWidget* control : form.findChildren<QWidget*>()) {
        if (control->window() != &form)
            continue;
        const std::vector<TextOn> texts = textsOf(control);
        if (!texts.empty())
            checked.insert(QString::fromLatin1(control->metaObject()->className()));
        for (const TextOn& pair : texts) {
            const QPalette& own = control->palette();
            const QPalette& back = pair.behind ? filledBehind(control)->palette() : own;
            for (const QPalette::ColorGroup group :
                 {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                const QColor text = own.color(group, pair.text);
                const QColor background = back.color(group, pair.background);
                EXPECT_GE(contrast(text, background), 4.5)
                    << control->metaObject()->className() << " text role " << pair.text << " on "
                    << pair.background << ", group " << group << ": " << text.name().toStdString()
                    << " on " << background.name().toStdString();
            }
        }
    }
    for (const char* kind :
         {"QRadioButton", "QGroupBox", "QPushButton", "QComboBox", "QHeaderView", "QLineEdit",
          "brindlecast::TextProgressBar", "brindlecast::FileListView"})
        EXPECT_TRUE(checked.contains(QString::fromLatin1(kind))) << kind;
    // The white look stays.
    EXPECT_EQ(form.palette().color(QPalette::Base), QColor(Qt::white));
}

INSTANTIATE_TEST_SUITE_P(Looks, DarkScheme, ::testing::Bool(),
                         [](const auto& entry) { return entry.param ? "Skinned" : "Plain"; });

} // namespace
} // namespace brindlecast::test
