// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RunReport.h"

#include <QCoreApplication>

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
    // English says one file apart where its words differ; the other languages choose their
    // plural forms by %n.
    QString message = QCoreApplication::translate("RunReport", "Done.");
    if (m_stopped) {
        message = QCoreApplication::translate("RunReport", "Stopped.") +
                  QStringLiteral("\r\n\r\n") +
                  (fileCount == 1
                       ? QCoreApplication::translate("RunReport", "%1 of 1 file was converted.")
                       : QCoreApplication::translate("RunReport", "%1 of %n files were converted.",
                                                     "", fileCount))
                      .arg(m_converted);
    } else if (!m_encoderUnusable.isEmpty() && fileCount > 0) {
        message += QStringLiteral("\r\n\r\n") +
                   (fileCount == 1
                        ? QCoreApplication::translate(
                              "RunReport",
                              "The file was not converted, because the encoder could not be put "
                              "in place:")
                        : QCoreApplication::translate(
                              "RunReport",
                              "None of the %n files was converted, because the encoder could not "
                              "be put in place:",
                              "", fileCount));
        return message + QStringLiteral("\r\n") + m_encoderUnusable;
    }
    if (!m_failures.isEmpty())
        message += failedFilesText(fileCount);
    if (m_listRateFiles == 1) {
        message += QStringLiteral("\r\n\r\n") +
                   QCoreApplication::translate(
                       "RunReport",
                       "1 file was converted at the list's rate of %1, because its own bit rate "
                       "could not be read.")
                       .arg(m_listEntry);
    } else if (m_listRateFiles > 1) {
        message += QStringLiteral("\r\n\r\n") +
                   QCoreApplication::translate(
                       "RunReport",
                       "%n files were converted at the list's rate of %1, because their own bit "
                       "rate could not be read.",
                       "", m_listRateFiles)
                       .arg(m_listEntry);
    }
    return message;
}

QString RunReport::failedFilesText(int fileCount) const
{
    QString message = QStringLiteral("\r\n\r\n");
    message +=
        (fileCount == 1
             ? QCoreApplication::translate("RunReport", "%1 of 1 file failed:")
             : QCoreApplication::translate("RunReport", "%1 of %n files failed:", "", fileCount))
            .arg(m_failures.size());
    for (qsizetype i = 0; i < m_failures.size() && i < kListedFailures; ++i)
        message += QStringLiteral("\r\n") + m_failures[i].path + QStringLiteral(" - ") +
                   m_failures[i].reason;
    if (m_failures.size() > kListedFailures)
        message += QStringLiteral("\r\n") +
                   QCoreApplication::translate("RunReport", "... and %n more", "",
                                               int(m_failures.size() - kListedFailures));
    return message;
}

} // namespace brindlecast
