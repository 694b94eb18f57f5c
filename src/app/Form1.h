// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainWindowPointer.h"
#include "app/OutputOptions.h"
#include "app/RunFeedback.h"
#include "app/SkinFramework.h"
#include "app/WindowLayout.h"
#include "convert/ConversionRun.h"
#include "core/PointerKind.h"
#include "core/Settings.h"
#include "filelist/RowDrag.h"

#include <QCursor>
#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brindlecast {

class FileListView;
class Platform;
class TextProgressBar;

// The main window: holds the controls and wires each event to the handler of its subsystem.
// Creating it runs Form_Load.
class Form1 : public QWidget, public WindowPointer {
    Q_OBJECT
public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    const QString& applicationTitle() const { return m_applicationTitle; }

    PointerKind mousePointer() const override { return m_pointer.mousePointer(); }
    void setMousePointer(PointerKind kind) override { m_pointer.setMousePointer(kind); }

    // Adds paths given from outside the window (the command line of "Open With") exactly as a
    // drop of those paths on the list would add them.
    void addPathsAsDropped(const QStringList& paths);

    // A plain box with only OK, no icon, and the application title.
    void messageBox(const QString& text);

    // The hand image of the hover pointer, when it could be loaded.
    const std::optional<QCursor>& hoverPointer() const { return m_hoverCursor; }
    const ConversionRun& conversion() const { return m_conversion; }

    // The controls keep the names their handlers are known by; each comment gives the caption.
    FileListView* const ListView1;       // the file list, " WAV File(s)"
    QPushButton* const PushButton1;      // "Add WAV File(s)"
    QPushButton* const PushButton3;      // "Add All WAV File(s) In Folder"
    QPushButton* const PushButton4;      // "Clear List"
    QPushButton* const PushButton5;      // "Load Sample/Example Files"
    QGroupBox* const Frame2;             // "Bit Rate Of Output File"
    QRadioButton* const Option1;         // "Use same bit rate as input file (most efficient)"
    QRadioButton* const Option2;         // "Use this constant bit rate for all files:"
    QComboBox* const Combo1;             // the constant bit rates, "320 kbps" to "8 kbps"
    QGroupBox* const Frame3;             // "Save Option"
    QRadioButton* const Option3;         // "Save results to this folder:"
    QGroupBox* const Frame4;             // the output folder's row
    QLineEdit* const Text1;              // the output folder
    QPushButton* const PushButton7;      // "...", picks the output folder
    QRadioButton* const Option4;         // "Save results in folder of original file"
    QCheckBox* const Check1;             // "Keep subfolders", beside Option3
    QPushButton* const PushButton2;      // "Start Converting", "Stop Converting" during a run
    TextProgressBar* const ProgressBar1; // "Progress Bar"

signals:
    void mousePointerChanged(PointerKind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    // "Start Converting".
    void PushButton2_Click();
    // "Stop Converting" while a run converts, "Start Converting" otherwise.
    void showConverting(bool converting);
    void SetApplicationTitle();
    void loadHoverPointer(const QString& path);
    void layOutControls();
    void watchPointerMoves();
    void connectFileList();
    ConversionChoices conversionChoices() const;
    // Asks "Stop converting?"; on Yes stops the run. True when it was stopped.
    bool offerToStopConverting();

    Platform& m_platform;
    SettingsStore m_settings;
    SkinFramework m_skin;
    OutputOptions m_options;
    QString m_applicationTitle;
    RunFeedback m_runFeedback;
    MainWindowPointer m_pointer{*this,
                                [this](PointerKind kind) { emit mousePointerChanged(kind); }};
    // The hand image, for the list's drag when it has no image of its own.
    std::optional<QCursor> m_hoverCursor;
    ConversionRun m_conversion;
    bool m_quitAfterRun = false; // the window was closed during the run
    RowDrag m_drag;
    WindowLayout m_layout;
};

} // namespace brindlecast
