#pragma once

#include <QString>
#include <QStringList>

namespace brindlecast {

class FileRows;
class FileSystem;
class StepReporter;

// Appends, for each folder of a scanned folder list (each entry ending with the separator) in
// order, the files that ListMatchingFiles finds there for the pattern. Names starting with "~"
// and hidden archive files (attribute word exactly 34) are skipped; each row goes through
// CollapseBackslashes. The steps report at lines 120 to 132 and carry on with the next name.
void appendMatchingFiles(const QStringList& folders, const QString& pattern, FileRows& list,
                         const FileSystem& fileSystem, StepReporter& steps);

} // namespace brindlecast
