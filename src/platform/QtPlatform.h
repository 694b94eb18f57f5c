#pragma once

#include "platform/Platform.h"
#include "platform/QtDialogs.h"

namespace brindlecast {

// The real services of a Linux desktop, through Qt.
class QtPlatform : public Platform {
public:
    Dialogs& dialogs() override { return m_dialogs; }
    QString applicationFolder() const override;
    QString desktopFolder() const override;
    QString environmentVariable(const QString& name) const override;
    void endProcessNow() override;

private:
    QtDialogs m_dialogs;
};

} // namespace brindlecast
