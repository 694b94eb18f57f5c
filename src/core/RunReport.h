// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace brindlecast {

// The files of one run that did not convert, with a short reason each, and the closing message
// that tells the user about them.
class RunReport {
public:
    struct FailedFile {
        QString path;
        QString reason;
    };

    static constexpr int kListedFailures = 20;

    void addFailure(const QString& path, const QString& reason);
    const QList<FailedFile>& failures() const { return m_failures; }

    void addConverted() { ++m_converted; }
    // The run was stopped before its last file.
    void setStopped() { m_stopped = true; }

    // A file converted at the list's entry because its own bit rate could not be read.
    void addListRateFile(const QString& listEntry);

    // The encoder could not be put in place, so no file was tried; said once for all files.
    void setEncoderUnusable(const QString& cause) { m_encoderUnusable = cause; }

    // Exactly "Done." when nothing failed; otherwise "Done." followed by how many of the files
    // failed and one line per failed file (the first 20, then how many more), or by why none
    // was converted; and by how many files were converted at the list's rate instead of their
    // own. A stopped run begins "Stopped." and how many of its files were converted.
    QString closingMessage(int fileCount) const;

private:
    QString failedFilesText(int fileCount) const;

    QList<FailedFile> m_failures;
    QString m_encoderUnusable;
    int m_listRateFiles = 0;
    int m_converted = 0;
    bool m_stopped = false;
    QString m_listEntry;
};

} // namespace brindlecast
