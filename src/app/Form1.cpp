// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include "app/AccessibleNames.h"
#include "app/OutputFolderBrowse.h"
#include "app/TextProgressBar.h"
#include "app/WindowPalette.h"
#include "core/ApplicationTitle.h"
#include "core/ErrorNumbers.h"
#include "core/Failure.h"
#include "filelist/AddAllInFolder.h"
#include "filelist/AddFilesByDialog.h"
#include "filelist/FileDrop.h"
#include "filelist/FileListView.h"
#include "filelist/RowRemoval.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "samples/SampleFiles.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>

namespace brindlecast {

namespace {

// Design sizes are in twips; 15 twips make one pixel at 96 dots per inch.
QRect twips(int left, int top, int width, int height)
{
    const auto px = [](int value) { return (value + 7) / 15; };
    return {px(left), px(top), px(width), px(height)};
}

// The window's design size, where every control stands where it was placed.
const QSize kOpeningSize = twips(0, 0, 8040, 7920).size();

QFont arialBold(double pointSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

} // namespace

Form1::Form1(Platform& platform, QWidget* parent)
    : QWidget(parent), ListView1(new FileListView(this)),
      PushButton1(new QPushButton(tr("Add WAV File(s)"), this)),
      PushButton3(new QPushButton(tr("Add All WAV File(s) In Folder"), this)),
      PushButton4(new QPushButton(tr("Clear List"), this)),
      PushButton5(new QPushButton(tr("Load Sample/Example Files"), this)),
      Frame2(new QGroupBox(tr("Bit Rate Of Output File"), this)),
      Option1(new QRadioButton(tr("Use same bit rate as input file (most efficient)"), Frame2)),
      Option2(new QRadioButton(tr("Use this constant bit rate for all files:"), Frame2)),
      Combo1(new QComboBox(Frame2)), Frame3(new QGroupBox(tr("Save Option"), this)),
      Option3(new QRadioButton(tr("Save results to this folder:"), Frame3)),
      Frame4(new QGroupBox(Frame3)), Text1(new QLineEdit(Frame4)),
      PushButton7(new QPushButton(QStringLiteral("..."), Frame4)),
      Option4(new QRadioButton(tr("Save results in folder of original file"), Frame3)),
      Check1(new QCheckBox(tr("Keep subfolders"), Frame3)),
      PushButton2(new QPushButton(tr("Start Converting"), this)),
      ProgressBar1(new TextProgressBar(this)), m_platform(platform),
      m_options({Option1, Option2, Combo1, Option3, Option4, Frame4, Text1, Check1}, m_settings,
                [this](const Failure& failure) { messageBox(failure.description()); }),
      m_runFeedback(*this, platform.dialogs(), platform.desktopProgress(), m_applicationTitle),
      m_conversion({conversionServicesOf(platform), *ListView1, *ProgressBar1, *this,
                    [this](const QString& text) { messageBox(text); },
                    [this](bool converting) { showConverting(converting); },
                    [this](const RunProgress& progress) { m_runFeedback.progress(progress); },
                    [this](const QString& text, const QString& folder) {
                        m_runFeedback.closingMessage(text, folder);
                    }}),
      m_drag(*ListView1, *this, platform.applicationFolder(), [this] { return m_hoverCursor; })
{
    layOutControls();
    nameControlsForScreenReaders(*this);
    watchPointerMoves();
    connectFileList();
    connect(PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        if (m_conversion.isConverting() && !m_conversion.isStopping())
            offerToStopConverting();
    });
    connect(PushButton7, &QPushButton::clicked, this,
            [this] { PushButton7_Click(m_platform.dialogs(), m_settings, m_options); });
    Form_Load();
}

Form1::~Form1() = default;

void Form1::connectFileList()
{
    FileListView* list = ListView1;
    connect(list, &FileListView::keyDown, this,
            [this](int key) { ListView1_KeyDown(*ListView1, *this, key); });
    connect(list, &FileListView::doubleClickedAnywhere, this,
            [this] { RemoveSelectedRow(*ListView1, *this); });
    connect(list, &FileListView::mouseDown, this, [this] { m_drag.holdButton(); });
    connect(list, &FileListView::rowClicked, this, [this] { m_drag.pickClickedRow(); });
    connect(list, &FileListView::mouseMoved, this,
            [this](const QPoint& position, const QPoint& screenPosition) {
                m_drag.dragToPointer(position, screenPosition);
            });
    connect(list, &FileListView::mouseUp, this, [this] { m_drag.releaseButton(); });
    connect(this, &Form1::mousePointerChanged, list,
            [list](PointerKind kind) { list->setWindowBusy(kind == PointerBusy); });

    connect(PushButton1, &QPushButton::clicked, this, [this] {
        PushButton1_Click(m_platform.dialogs(), m_platform.fileSystem(), *ListView1,
                          [this](const QString& text) { messageBox(text); });
    });
    connect(PushButton3, &QPushButton::clicked, this, [this] {
        PushButton3_Click({m_platform.dialogs(), m_platform.fileSystem(), m_settings, *ListView1,
                           *this, m_applicationTitle});
    });
    connect(PushButton4, &QPushButton::clicked, this,
            [this] { PushButton4_Click(*ListView1, *this, m_platform.dialogs()); });
    connect(list, &FileListView::pathsDropped, this, &Form1::addPathsAsDropped);
    connect(PushButton5, &QPushButton::clicked, this, [this] {
        PushButton5_Click(*ListView1, m_platform.fileSystem(), m_platform.dialogs(),
                          m_platform.applicationFolder(), m_applicationTitle);
    });
}

void Form1::PushButton2_Click()
{
    // During a run the button reads "Stop Converting" and asks as Escape does; it never starts
    // a second run.
    if (m_conversion.isConverting()) {
        if (!m_conversion.isStopping())
            offerToStopConverting();
        return;
    }
    m_conversion.start(conversionChoices());
    if (std::exchange(m_quitAfterRun, false))
        close();
}

void Form1::showConverting(bool converting)
{
    // Screen readers hear the new caption: the button has no accessible name of its own.
    PushButton2->setText(converting ? tr("Stop Converting") : tr("Start Converting"));
}

void Form1::addPathsAsDropped(const QStringList& paths)
{
    ListView1_OLEDragDrop(paths, *ListView1, m_platform.fileSystem(), m_platform.dialogs(),
                          [this](const QString& text) { messageBox(text); });
}

ConversionChoices Form1::conversionChoices() const
{
    // Read at the moment of use, as every setting is; it has no control of its own.
    const int encodersAtOnce = encodersAtOnceFromSetting(
        m_settings.stored(SettingKey::EncodersAtOnce), m_platform.usableProcessors());
    return {Option1->isChecked(), Option2->isChecked(), Combo1->currentText(), Option3->isChecked(),
            Text1->text(),        Option4->isChecked(), encodersAtOnce,        Check1->isChecked()};
}

void Form1::layOutControls()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(arialBold(9));
    setPalette(whiteWindowPalette());
    setAutoFillBackground(true);

    using Across = WindowLayout::Across;
    using Down = WindowLayout::Down;
    WindowLayout& layout = m_layout;
    // The list takes what the window grows by; what lies below it moves down and widens.
    layout.place(ListView1, twips(120, 120, 7800, 2535), Across::Widens, Down::Grows);
    ListView1->setToolTip(
        tr("Drag and drop files here. Double-click item to remove it. Move | line to right and out "
           "of window to reveal full names."));
    layout.place(PushButton1, twips(120, 2750, 3840, 405), Across::LeftHalf, Down::FollowsBottom);
    layout.place(PushButton3, twips(4080, 2750, 3840, 405), Across::RightHalf, Down::FollowsBottom);
    layout.place(PushButton4, twips(120, 3260, 3840, 405), Across::LeftHalf, Down::FollowsBottom);
    layout.place(PushButton5, twips(4080, 3260, 3840, 405), Across::RightHalf, Down::FollowsBottom);
    layout.place(Frame2, twips(120, 3720, 7800, 1185), Across::Widens, Down::FollowsBottom);
    layout.place(Option1, twips(240, 300, 4695, 255), Across::Stays);
    layout.place(Option2, twips(240, 700, 3460, 255), Across::Stays);
    layout.place(Combo1, twips(3720, 655, 3840, 345), Across::Stays);
    layout.place(Frame3, twips(120, 4960, 7800, 1815), Across::Widens, Down::FollowsBottom);
    layout.place(Option3, twips(240, 300, 3615, 255), Across::Stays);
    layout.place(Check1, twips(4080, 300, 3480, 255), Across::Stays);
    layout.place(Frame4, twips(480, 510, 6840, 810), Across::Widens);
    layout.place(Text1, twips(240, 300, 5670, 345), Across::Widens);
    layout.place(PushButton7, twips(6000, 300, 600, 345), Across::FollowsRight);
    layout.place(Option4, twips(240, 1410, 3615, 255), Across::Stays);
    layout.place(PushButton2, twips(120, 6900, 7800, 405), Across::Widens, Down::FollowsBottom);
    layout.place(ProgressBar1, twips(120, 7410, 7800, 405), Across::Widens, Down::FollowsBottom);
    ProgressBar1->setText(QCoreApplication::translate("ProgressBar", "Progress Bar"));

    for (QPushButton* button :
         {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton7}) {
        button->setFont(arialBold(11.25));
    }
    Combo1->setEditable(false);
    // The design-time choices are no user action: nothing is stored for them.
    for (QRadioButton* option : {Option1, Option3}) {
        const QSignalBlocker blocker(option);
        option->setChecked(true);
    }

    // The window opens at its design size, or at the screen's size where that is smaller, and
    // is never made smaller than it opened.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(), kOpeningSize);
    const QSize opening = kOpeningSize.boundedTo(available.size());
    setMinimumSize(opening);
    resize(opening);
    m_layout.fit(opening - kOpeningSize);
    if (screen)
        move(available.center() - rect().center());
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_layout.fit(size() - kOpeningSize);
}

void Form1::watchPointerMoves()
{
    for (QWidget* watched : std::initializer_list<QWidget*>{
             this, Frame2, Frame3, Frame4, Text1, PushButton1, PushButton2, PushButton3,
             PushButton4, PushButton5, PushButton7}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseMove)
        return QWidget::eventFilter(watched, event);

    if (qobject_cast<QPushButton*>(watched)) {
        m_pointer.movedOverButton();
        // A button ignores moves without a pressed button, and the window behind it must not
        // take them as moves over the background.
        return static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
    }
    m_pointer.movedOverBackground();
    return QWidget::eventFilter(watched, event);
}

void Form1::messageBox(const QString& text)
{
    m_platform.dialogs().showPlainMessage(text, m_applicationTitle);
}

void Form1::SetApplicationTitle()
{
    m_applicationTitle = applicationTitleFor(QString::fromLatin1(kProductName));
}

void Form1::loadHoverPointer(const QString& path)
{
    const QPixmap image(path);
    if (image.isNull())
        throw makeFailure(ErrorNumber::InvalidPicture);
    // The fingertip of the hand image is its hot spot.
    m_hoverCursor = QCursor(image, 5, 0);
    m_pointer.setHoverImage(*m_hoverCursor);
}

bool Form1::offerToStopConverting()
{
    const MessageRequest question{tr("Stop converting?"), m_applicationTitle, MessageIcon::Question,
                                  MessageButtons::YesNo};
    if (m_platform.dialogs().showMessage(question) != MessageAnswer::Yes)
        return false;
    m_conversion.stop();
    return true;
}

void Form1::closeEvent(QCloseEvent* event)
{
    // During a run the window closes once the run has stopped and said so.
    if (m_conversion.isConverting()) {
        event->ignore();
        if (m_conversion.isStopping() || offerToStopConverting())
            m_quitAfterRun = true;
        return;
    }
    // Form_Unload: every setting is already stored, so the process ends at once.
    event->accept();
    m_platform.endProcessNow();
}

} // namespace brindlecast
