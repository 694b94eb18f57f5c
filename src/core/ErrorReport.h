// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace brindlecast {

inline constexpr auto kSupportAddress = "support@brindlecast.example";
inline constexpr auto kApplicationErrorTitle =
    QT_TRANSLATE_NOOP("ErrorReport", "Application Error");

// "in Tessaly2021/08/31.Form1.<procedure> ", the location text of the main window's procedures.
QString form1LocationText(const QString& procedureName);

// "in Corvane2021/08/31.AddFolder.<procedure> ", the location text of the folder scan's module.
QString addFolderLocationText(const QString& procedureName);

// The exact text of the error box: description, CR LF, location, "at line " and the number,
// two lone CRs, then the request to e-mail a screenshot.
QString applicationErrorText(const QString& description, const QString& locationText,
                             int locationNumber);

// Where the error box of a failed step is shown: the real dialogs, or a test's record.
class ErrorBox {
public:
    virtual ~ErrorBox() = default;

    // Shows the text in the error box (title "Application Error", exclamation icon, OK) and
    // returns once it is closed.
    virtual void showErrorBox(const QString& text) = 0;
};

// A box that shows nothing, for handlers that have no error box of their own: a failed step is
// skipped quietly.
class SilentErrorBox final : public ErrorBox {
public:
    void showErrorBox(const QString&) override {}
};

// Shows the error box of a failed step and returns once it is closed.
void ShowApplicationError(ErrorBox& box, const QString& description, const QString& locationText,
                          int locationNumber);

} // namespace brindlecast
