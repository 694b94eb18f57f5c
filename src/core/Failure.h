// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace brindlecast {

// An unexpected failure of one step: what the error box names, and the number of the failure
// where one is known (for example 20476 for an open-file result that does not fit).
class Failure : public std::exception {
public:
    explicit Failure(QString description, int number = 0);

    const QString& description() const { return m_description; }
    int number() const { return m_number; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_description;
    int m_number;
    QByteArray m_what;
};

} // namespace brindlecast
