// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>

namespace brindlecast::test {

// The built program run as a child with no display at all, TEMP and its cache in folders of the
// test's own, and a work folder for inputs and outputs.
class CommandLineFixture : public ::testing::Test {
protected:
    struct Result {
        int status = -1;
        QString out;
        QString err;
    };

    void SetUp() override;
    void TearDown() override;

    // Puts first on PATH an encoder that runs the installed one with these options first.
    void useWrappedEncoder(const QString& options);

    QString workPath(const QString& relative) const { return m_work.filePath(relative); }
    // A mono 8 kHz WAV of the length given, its folders made as needed.
    QString makeWav(const QString& relative, double seconds = 0.5);
    // Like makeWav, with tags: a RIFF LIST INFO chunk, or an "id3 " chunk holding ID3v2.3.
    QString makeTaggedWav(const QString& relative, bool id3Chunk);

    QProcessEnvironment environment() const;
    // Starts the program in the work folder and waits for its end.
    Result run(const QStringList& arguments);
    void start(QProcess& process, const QStringList& arguments);
    static Result resultOf(QProcess& process);
    // Runs the program in the work folder with each of descriptors 0, 1 and 2 opened on the file
    // named (for reading, or for writing from its start), or closed where the name is empty;
    // returns its exit status, or -1 when it did not exit by itself.
    // The arguments are bytes, so that they may be any a program can be given.
    int runWithStreams(const QList<QByteArray>& arguments,
                       const std::array<QByteArray, 3>& streams);

    // Files left in TEMP (the encoder's folder must be gone after every run).
    QStringList temporaryEntries() const;
    // The partial outputs found below a folder.
    QStringList partialFiles(const QString& folder) const;

    // Tags as a reader on the player's side (ffprobe) finds them, keys in lower case.
    static QMap<QString, QString> tagsReadBack(const QString& path);

    QTemporaryDir m_work;
    QTemporaryDir m_temp;
    QTemporaryDir m_cache; // XDG_CACHE_HOME
    QString m_path;        // PATH for the child; tests may put another encoder first
    QString m_bin;         // the wrapped encoder's folder
    // Entries of the environment as bytes ("NAME=value"), which may be no UTF-8, for
    // runWithStreams() only; each replaces the variable of its name.
    QList<QByteArray> m_rawEnvironment;
};

} // namespace brindlecast::test
