// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace brindlecast {

struct ConversionServices;

// Asks the deployed encoder for its list of encoders; "aac" when it cannot be asked.
QString aacEncoderOf(const ConversionServices& services, const QString& encoderPath);

// The AAC encoder kept for the file the encoder bytes were read from (services.encoderSource),
// as that file is now; otherwise asked of the deployed encoder at encoderPath, and kept. Bytes
// that come from no file are asked every time.
QString keptAacEncoderOf(const ConversionServices& services, const QString& encoderPath,
                         const QByteArray& encoderBytes);

// The AAC encoder of each encoder build, asked once per build: asking costs a start of the
// encoder, and the answer depends on the build only.
class AacEncoderChoice {
public:
    // encoderBytes are the bytes the file at encoderPath was written from. Those read from a
    // file are asked once per state of that file, across runs (keptAacEncoderOf); others once
    // per process.
    QString forBuild(const ConversionServices& services, const QString& encoderPath,
                     const QByteArray& encoderBytes);

private:
    QHash<QByteArray, QString> m_known; // by the build's SHA-256
};

} // namespace brindlecast
