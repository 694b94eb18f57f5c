#pragma once

#include <QString>

class QWidget;

namespace brindlecast {

class FileSystem;

// The skin component: loads a Qt style sheet from the skin file and applies it to a window.
class SkinFramework {
public:
    // Throws Failure when the skin file cannot be read.
    void loadSkin(const QString& skinPath, const QString& iniSection);

    int applyOptions() const { return m_applyOptions; }
    void setApplyOptions(int options) { m_applyOptions = options; }
    void setApplyColors(bool on) { m_applyColors = on; }
    void setApplyMetrics(bool on) { m_applyMetrics = on; }

    void applyWindow(QWidget& window) const;

    bool isLoaded() const { return m_loaded; }

private:
    QString m_styleSheet;
    bool m_loaded = false;
    int m_applyOptions = 0;
    bool m_applyColors = false;
    bool m_applyMetrics = false;
};

// Switches the skinned look on when "x/o.cjs" exists in the application folder; without it the
// window keeps its plain white look.
void ApplySkin(QWidget& window, SkinFramework& skin, const FileSystem& fileSystem,
               const QString& applicationFolder);

} // namespace brindlecast
