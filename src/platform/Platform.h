#pragma once

#include <QString>

namespace brindlecast {

class Dialogs;

// The operating-system services the program uses, behind one object that Form1 receives through
// its constructor, so that tests can replace any of them.
class Platform {
public:
    virtual ~Platform() = default;

    virtual Dialogs& dialogs() = 0;

    // Folder of the executable, without a trailing separator.
    virtual QString applicationFolder() const = 0;

    // The user's desktop folder without a trailing separator, or "" when it cannot be resolved.
    virtual QString desktopFolder() const = 0;

    // "" when the variable is unset.
    virtual QString environmentVariable(const QString& name) const = 0;

    // Ends the process at once: no saving, no questions, children are left running.
    virtual void endProcessNow() = 0;
};

} // namespace brindlecast
