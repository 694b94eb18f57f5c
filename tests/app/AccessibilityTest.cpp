// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets from the window and the message boxes: Qt's accessibility interfaces,
// queried the way an assistive tool's bridge queries them.
#include "app/Form1.h"
#include "app/TextProgressBar.h"
#include "filelist/FileListView.h"
#include "platform/QtDialogs.h"
#include "support/QtPrinters.h"
#include "support/SettingsSandbox.h"
#include "support/TestPlatform.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace brindlecast {
namespace {

bool isControl(QAccessible::Role role)
{
    static const std::set<QAccessible::Role> controls{
        QAccessible::PushButton, QAccessible::RadioButton,  QAccessible::CheckBox,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::Tree,
        QAccessible::List,       QAccessible::Table,        QAccessible::ProgressBar,
        QAccessible::Grouping,   QAccessible::SpinBox,      QAccessible::Slider};
    return controls.count(role) > 0;
}

// Every control below a node, as a screen reader walks the tree. The entries of a drop-down list
// are its own business, so the walk does not enter it.
void collectControls(QAccessibleInterface* node, QList<QAccessibleInterface*>& found)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child)
            continue;
        if (isControl(child->role()))
            found << child;
        if (child->role() != QAccessible::ComboBox)
            collectControls(child, found);
    }
}

QString description(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Description);
}

class Accessibility : public ::testing::Test {
protected:
    Form1& start()
    {
        m_form = std::make_unique<Form1>(m_platform);
        m_form->show();
        return *m_form;
    }

    test::SettingsSandbox m_settings;
    test::TestPlatform m_platform;
    std::unique_ptr<Form1> m_form;
};

TEST_F(Accessibility, EveryControlIsReachedAndHasASpokenName)
{
    Form1& form = start();
    QList<QAccessibleInterface*> controls;
    collectControls(QAccessible::queryAccessibleInterface(&form), controls);

    QSet<QObject*> reached;
    for (QAccessibleInterface* control : controls) {
        reached.insert(control->object());
        const QString name = control->text(QAccessible::Name);
        const QString what = QString::fromLatin1(control->object()->metaObject()->className());
        // A name of punctuation alone ("...") says nothing.
        EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }))
            << what.toStdString() << " is called \"" << name.toStdString() << '"';
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             form.ListView1, form.PushButton1, form.PushButton3, form.PushButton4, form.PushButton5,
             form.Frame2, form.Option1, form.Option2, form.Combo1, form.Frame3, form.Option3,
             form.Frame4, form.Text1, form.PushButton7, form.Option4, form.PushButton2,
             form.ProgressBar1}) {
        EXPECT_TRUE(reached.contains(control)) << control->metaObject()->className();
    }
    // On Linux a drop-down list's name is its current entry; what it is for comes from the
    // control that labels it, here its frame.
    QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(form.Combo1);
    const auto labels = combo->relations(QAccessible::Label);
    ASSERT_FALSE(labels.isEmpty());
    EXPECT_EQ(labels.first().first->text(QAccessible::Name),
              QStringLiteral("Bit Rate Of Output File"));
    // The list's tooltip tells how to drop and remove files; hovering is not an option.
    EXPECT_TRUE(
        description(form.ListView1).startsWith(QStringLiteral("Drag and drop files here.")));
}

TEST_F(Accessibility, TheProgressTextIsSpokenAsTheBarsDescription)
{
    Form1& form = start();
    TextProgressBar* bar = form.ProgressBar1;
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(bar);
    EXPECT_EQ(spoken->text(QAccessible::Description), QStringLiteral("Progress Bar"));

    bar->setRealValue(27.4);
    bar->setText(QStringLiteral("Processing: dawn chorus.wav"));
    EXPECT_EQ(spoken->text(QAccessible::Description),
              QStringLiteral("Processing: dawn chorus.wav"));
    bar->setText(QStringLiteral("Processing: dawn chorus.wav, Please wait.. 3"));
    EXPECT_EQ(spoken->text(QAccessible::Description),
              QStringLiteral("Processing: dawn chorus.wav, Please wait.. 3"));

    EXPECT_EQ(spoken->text(QAccessible::Name), QStringLiteral("Conversion progress"));
    ASSERT_NE(spoken->valueInterface(), nullptr);
    EXPECT_EQ(spoken->valueInterface()->currentValue().toInt(), 27);
}

struct SeenBox {
    QString name;
    QString value;
    QStringList labels;
    QStringList buttons;
};

void closeShownMessageBoxes()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
            box->done(QMessageBox::Cancel);
    }
}

// Reads the next message box through its accessibility interfaces and presses the button called
// `press` the way a screen reader user would, through the button's press action.
void readAndPressWhenShown(SeenBox& seen, const QString& press)
{
    // Armed before the box is looked for: a box that is not found, or that the press did not
    // close, fails the test instead of keeping it waiting.
    QTimer::singleShot(10000, &closeShownMessageBoxes);
    QTimer::singleShot(0, [&seen, press] {
        QMessageBox* box = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && qobject_cast<QMessageBox*>(window))
                box = static_cast<QMessageBox*>(window);
        }
        if (!box) {
            ADD_FAILURE() << "no message box was shown";
            return;
        }
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(box);
        seen.name = spoken->text(QAccessible::Name);
        seen.value = spoken->text(QAccessible::Value);
        QList<QAccessibleInterface*> nodes{spoken};
        QAccessibleInterface* target = nullptr;
        while (!nodes.isEmpty()) {
            QAccessibleInterface* node = nodes.takeFirst();
            for (int i = 0; i < node->childCount(); ++i)
                nodes << node->child(i);
            const QString name = node->text(QAccessible::Name);
            if (node->role() == QAccessible::StaticText && !name.isEmpty())
                seen.labels << name;
            if (node->role() == QAccessible::PushButton) {
                seen.buttons << name;
                if (name == press)
                    target = node;
            }
        }
        if (target)
            target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
}

TEST(AccessibleMessageBoxes, TextTitleAndButtonsAreReadableAndTheButtonsPressable)
{
    QtDialogs dialogs;

    SeenBox notice;
    readAndPressWhenShown(notice, QStringLiteral("OK"));
    EXPECT_EQ(dialogs.showMessage({QStringLiteral("The output folder does not exist.\r\n/nowhere"),
                                   QStringLiteral("Brindlecast"), MessageIcon::Exclamation,
                                   MessageButtons::Ok}),
              MessageAnswer::Ok);
    EXPECT_EQ(notice.name, QStringLiteral("Brindlecast"));
    EXPECT_EQ(notice.value, QStringLiteral("The output folder does not exist.\n/nowhere"));
    EXPECT_TRUE(
        notice.labels.contains(QStringLiteral("The output folder does not exist.\n/nowhere")))
        << notice.labels.join(u'|').toStdString();
    EXPECT_EQ(notice.buttons, QStringList{QStringLiteral("OK")});

    SeenBox question;
    readAndPressWhenShown(question, QStringLiteral("Yes"));
    EXPECT_EQ(dialogs.showMessage({QStringLiteral("Would you like to open the folder?"),
                                   QStringLiteral("Brindlecast"), MessageIcon::None,
                                   MessageButtons::YesNo}),
              MessageAnswer::Yes);
    EXPECT_EQ(question.value, QStringLiteral("Would you like to open the folder?"));
    EXPECT_EQ(question.buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
}

} // namespace
} // namespace brindlecast
