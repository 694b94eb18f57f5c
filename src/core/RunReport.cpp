// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RunReport.h"

namespace brindlecast {

void RunReport::addFailure(const QString& path, const QString& reason)
{
    m_failures.append({path, reason});
}

void RunReport::addListRateFile(const QString& listEntry)
{
    ++m_listRateFiles;
    m_listEntry = listEntry;
}

QString RunReport::closingMessage(int fileCount) const
{
    QString message = QStringLiteral("Done.");
    if (m_stopped) {
        message =
            QStringLiteral("Stopped.\r\n\r\n%1 of %2 %3 converted.")
                .arg(m_converted)
                .arg(fileCount)
                .arg(fileCount == 1 ? QStringLiteral("file was") : QStringLiteral("files were"));
    } else if (!m_encoderUnusable.isEmpty() && fileCount > 0) {
        message +=
            fileCount == 1
                ? QStringLiteral("\r\n\r\nThe file was not converted")
                : QStringLiteral("\r\n\r\nNone of the %1 files was converted").arg(fileCount);
        return message + QStringLiteral(", because the encoder could not be put in place:\r\n") +
               m_encoderUnusable;
    }
    if (!m_failures.isEmpty())
        message += failedFilesText(fileCount);
    if (m_listRateFiles == 1) {
        message += QStringLiteral("\r\n\r\n1 file was converted at the list's rate of %1, "
                                  "because its own bit rate could not be read.")
                       .arg(m_listEntry);
    } else if (m_listRateFiles > 1) {
        message += QStringLiteral("\r\n\r\n%1 files were converted at the list's rate of %2, "
                                  "because their own bit rate could not be read.")
                       .arg(m_listRateFiles)
                       .arg(m_listEntry);
    }
    return message;
}

QString RunReport::failedFilesText(int fileCount) const
{
    QString message;
    const QString files = fileCount == 1 ? QStringLiteral("file") : QStringLiteral("files");
    message += QStringLiteral("\r\n\r\n%1 of %2 %3 failed:")
                   .arg(m_failures.size())
                   .arg(fileCount)
                   .arg(files);
    for (qsizetype i = 0; i < m_failures.size() && i < kListedFailures; ++i)
        message += QStringLiteral("\r\n") + m_failures[i].path + QStringLiteral(" - ") +
                   m_failures[i].reason;
    if (m_failures.size() > kListedFailures)
        message += QStringLiteral("\r\n... and %1 more").arg(m_failures.size() - kListedFailures);
    return message;
}

} // namespace brindlecast
