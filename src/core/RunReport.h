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

    // The encoder could not be put in place, so no file was tried; said once for all files.
    void setEncoderUnusable(const QString& cause) { m_encoderUnusable = cause; }

    // Exactly "Done." when nothing failed; otherwise "Done." followed by how many of the files
    // failed and one line per failed file (the first 20, then how many more), or by why none
    // was converted.
    QString closingMessage(int fileCount) const;

private:
    QList<FailedFile> m_failures;
    QString m_encoderUnusable;
};

} // namespace brindlecast
