#pragma once

#include <QString>

namespace brindlecast {

class Dialogs;

inline constexpr auto kSupportAddress = "support@brindlecast.example";
inline constexpr auto kApplicationErrorTitle = "Application Error";

// "in Tessaly2021/08/31.Form1.<procedure> ", the location text of the main window's procedures.
QString form1LocationText(const QString& procedureName);

// The exact text of the error box: description, CR LF, location, "at line " and the number,
// two lone CRs, then the request to e-mail a screenshot.
QString applicationErrorText(const QString& description, const QString& locationText,
                             int locationNumber);

// Shows the error box (title "Application Error", exclamation icon, OK) and returns once closed.
void ShowApplicationError(Dialogs& dialogs, const QString& description, const QString& locationText,
                          int locationNumber);

} // namespace brindlecast
