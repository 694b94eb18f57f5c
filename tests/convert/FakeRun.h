// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/ConversionRun.h"
#include "core/FileRows.h"
#include "core/PointerKind.h"
#include "core/ProgressDisplay.h"
#include "platform/EncoderFolders.h"
#include "platform/ExitCleanup.h"
#include "platform/FileAacEncoderCache.h"
#include "platform/MediaInfoLibrary.h"
#include "platform/OutputFiles.h"
#include "platform/PosixFileSystem.h"
#include "support/ScriptedDialogs.h"

#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace brindlecast::test {

// What one fake encoder does when started.
struct FakeEncode {
    int startFailure = 0; // the start failure's number, or 0 to start
    int exitCode = 0;
    QString errorOutput;              // "OUT" stands for the file the encoder is told to write
    std::optional<QByteArray> writes; // written to the output path, when given
    int waits = 0;                    // waits before it ends
    QByteArray output = {};           // its standard output
};

// A child that does what its script says, without running anything; the script is chosen
// when it starts, by its command.
class FakeChild final : public ChildProcess {
public:
    explicit FakeChild(std::function<FakeEncode(const ProcessCommand&)> scriptFor)
        : m_scriptFor(std::move(scriptFor))
    {
    }

    int start(const ProcessCommand& command) override;
    bool waitForEnd(int) override { return m_waits++ >= m_script.waits; }
    void endNow() override {}
    int exitCode() const override { return m_script.exitCode; }
    QString errorOutputTail() const override { return m_script.errorOutput; }
    QByteArray standardOutput() const override { return m_script.output; }

private:
    std::function<FakeEncode(const ProcessCommand&)> m_scriptFor;
    FakeEncode m_script;
    int m_waits = 0;
};

// Encoder folders whose every step can be made to fail, or whose encoder to be untrusted.
class FakeEncoderFolders final : public EncoderFolders {
public:
    explicit FakeEncoderFolders(QString temporaryFolder) : m_temporary(std::move(temporaryFolder))
    {
    }

    std::optional<QString> createFailure;
    std::optional<QString> deployFailure;
    // Asked at each trust check, numbered from 1; trusted when unset.
    std::function<bool(int check)> trusted;
    QStringList created;
    QStringList removed;
    QByteArray deployedBytes;

    QString createFolder(const QString& temporaryFolder) override;
    QString deploy(const QByteArray& bytes, const QString& folder) override;
    bool isTrusted(const QString& program) const override;
    void removeFolder(const QString& folder) override { removed.append(folder); }

private:
    QString m_temporary;
    mutable int m_checks = 0;
};

// The real file system, with the output's length and the folders that refuse writing as the
// test says.
class FakeFileSystem final : public PosixFileSystem {
public:
    std::optional<double> outputSeconds;
    QSet<QString> unwritable;
    std::optional<double> adtsSeconds(const QString& path) const override
    {
        return outputSeconds ? outputSeconds : PosixFileSystem::adtsSeconds(path);
    }
    QString writeRefusal(const QString& folder) const override
    {
        return unwritable.contains(folder) ? QStringLiteral("permission denied")
                                           : PosixFileSystem::writeRefusal(folder);
    }
};

struct FakeRows final : FileRows {
    QStringList paths;
    int rowCount() const override { return int(paths.size()); }
    QString rowText(int row) const override { return paths.value(row - 1); }
    void appendRow(const QString& path) override { paths.append(path); }
};

struct FakeBar final : ProgressDisplay {
    QString shown = QStringLiteral("Progress Bar");
    double value = 0;
    QString text() const override { return shown; }
    void setText(const QString& text) override { shown = text; }
    int wholeValue() const override { return int(value); }
    void setRealValue(double real) override { value = real; }
};

struct FakePointer final : WindowPointer {
    PointerKind kind = PointerDefault;
    PointerKind mousePointer() const override { return kind; }
    void setMousePointer(PointerKind newKind) override { kind = newKind; }
};

// A conversion run over fakes: real WAV inputs in a temporary folder, encoders that do what
// each test scripts, the real MediaInfo for the inputs' rates, the real cache of AAC encoders.
class FakeRunFixture : public ::testing::Test {
protected:
    FakeRunFixture();

    QString makeWav(const QString& name, double seconds = 1.0, int sampleRate = 8000);
    static QString outputOf(const QString& input);
    // Writes an earlier run's output beside the input.
    void writeOldOutput(const QString& input);
    static QString contentOf(const QString& path);
    // Runs "Start Converting" with m_choices (a constant 64 kbps, outputs beside the inputs).
    void convert(const QStringList& inputs);
    // The texts of the error boxes shown (the plain boxes are in m_boxes).
    QStringList errorBoxes() const;

    QTemporaryDir m_work;
    QTemporaryDir m_temp;
    ScriptedDialogs m_dialogs;
    FakeFileSystem m_fileSystem;
    FakeEncoderFolders m_folders{m_temp.path()};
    ExitCleanup m_exitCleanup;
    PosixOutputFiles m_outputs;
    MediaInfoLibrary m_mediaInfo;
    MediaInfoLibrary* m_library = &m_mediaInfo; // the one the run is given
    QTemporaryDir m_cacheHome;
    FileAacEncoderCache m_cache{m_cacheHome.filePath(QStringLiteral("brindlecast-studio"))};
    QString m_encoderSource;    // the file the build's bytes ("102") come from; none when ""
    QByteArray m_encoderList;   // what the encoder lists when asked
    int m_encoderQuestions = 0; // how often it was asked
    // Runs as each encode starts, with the input's path.
    std::function<void(const QString& input)> m_onEncode;
    ConversionChoices m_choices;
    std::deque<FakeEncode> m_encodes; // one per encode, in order; a whole output when empty
    QList<ProcessCommand> m_started;  // the encodes (the encoder-list question left out)
    FakeRows m_rows;
    FakeBar m_bar;
    FakePointer m_pointer;
    QStringList m_boxes;
    std::unique_ptr<ConversionRun> m_run;
};

inline const QString kOldOutput = QStringLiteral("an earlier run's output");

} // namespace brindlecast::test
