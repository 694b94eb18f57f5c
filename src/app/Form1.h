#pragma once

#include "app/OutputOptions.h"
#include "app/Settings.h"
#include "app/SkinFramework.h"
#include "convert/ConversionRun.h"

#include <QCursor>
#include <QWidget>
#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brindlecast {

class FileListHandlers;
class FileListView;
class Platform;
class TextProgressBar;

// The main window: holds the controls and wires each event to the handler of its subsystem.
// Creating it runs Form_Load.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    Platform& platform() { return m_platform; }
    SettingsStore& settings() { return m_settings; }
    const QString& applicationTitle() const { return m_applicationTitle; }

    int mousePointer() const { return m_pointerKind; }
    void setMousePointer(int kind);

    // A plain box with only OK, no icon, and the application title.
    void messageBox(const QString& text);

    // The hand image of the hover pointer, when it could be loaded.
    const std::optional<QCursor>& hoverPointer() const { return m_hoverCursor; }
    ConversionRun& conversion() { return m_conversion; }

    FileListView* const ListView1;
    QPushButton* const PushButton1;
    QPushButton* const PushButton3;
    QPushButton* const PushButton4;
    QPushButton* const PushButton5;
    QGroupBox* const Frame2;
    QRadioButton* const Option1;
    QRadioButton* const Option2;
    QComboBox* const Combo1;
    QGroupBox* const Frame3;
    QRadioButton* const Option3;
    QGroupBox* const Frame4;
    QLineEdit* const Text1;
    QPushButton* const PushButton7;
    QRadioButton* const Option4;
    QPushButton* const PushButton2;
    TextProgressBar* const ProgressBar1;

signals:
    void mousePointerChanged(int kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void SetApplicationTitle();
    void loadHoverPointer(const QString& path);
    void applyMousePointer();
    void layOutControls();
    void watchPointerMoves();

    Platform& m_platform;
    SettingsStore m_settings;
    SkinFramework m_skin;
    OutputOptions m_options;
    ConversionRun m_conversion;
    QString m_applicationTitle;
    int m_pointerKind = 0;
    std::optional<QCursor> m_hoverCursor;
    std::unique_ptr<FileListHandlers> m_fileList;
};

} // namespace brindlecast
