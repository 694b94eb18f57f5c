// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace brindlecast {

struct ConversionServices;

// Asks the deployed encoder for its list of encoders. Throws Failure naming the cause when the
// encoder cannot be started or does not answer.
QString aacEncoderOf(const ConversionServices& services, const QString& encoderPath);

// The AAC encoder of each encoder build, asked once per build: asking costs a start of the
// encoder, and the answer depends on the build only.
class AacEncoderChoice {
public:
    // encoderBytes are the bytes the file at encoderPath was written from. Those read from a
    // file (services.encoderSource) are asked once per state of that file, across runs; others
    // once per process.
    QString forBuild(const ConversionServices& services, const QString& encoderPath,
                     const QByteArray& encoderBytes);

private:
    QHash<QByteArray, QString> m_known; // by the build's SHA-256
};

} // namespace brindlecast
