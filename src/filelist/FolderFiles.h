// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "filelist/AddFolder.h"

namespace brindlecast {

class FileRows;
class StepReporter;

// Appends, for each folder of a scanned folder list in order, the accessible files of the scan's
// pattern that its handle showed (a folder the scan did not examine is read now). Names starting
// with "~", hidden archive files (attribute word exactly 34) and files whose attributes could not
// be read are skipped; each row goes through CollapseBackslashes. A folder whose files could not
// be read reports at line 122 and adds none; the steps report at lines 120 to 132 and carry on.
// The session's pacer is ticked for every name. Each row remembers baseFolder, the folder the
// search started from.
void appendFolderFiles(ScanSession& scan, FolderList& folders, const QString& baseFolder,
                       FileRows& list, StepReporter& steps);

} // namespace brindlecast
