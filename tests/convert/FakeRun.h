// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/ConversionRun.h"
#include "core/FileRows.h"
#include "core/PointerKind.h"
#include "core/ProgressDisplay.h"
#include "platform/ExitCleanup.h"
#include "platform/FileAacEncoderCache.h"
#include "platform/MediaInfoLibrary.h"
#include "platform/OutputFiles.h"
#include "platform/PosixFileSystem.h"
#include "support/FakeEncoderFolders.h"
#include "support/RecordedRows.h"
#include "support/ScriptedChild.h"
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

using FakeRows = RecordedRows;

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
    std::deque<ChildScript> m_encodes; // one per encode, in order; a whole output when empty
    QList<ProcessCommand> m_started;   // the encodes (the encoder-list question left out)
    ScriptedChildren m_children;       // every child, the encoder-list question included
    FakeRows m_rows;
    FakeBar m_bar;
    FakePointer m_pointer;
    QStringList m_boxes;
    std::unique_ptr<ConversionRun> m_run;
};

inline const QString kOldOutput = QStringLiteral("an earlier run's output");

} // namespace brindlecast::test
