// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/AacEncoderChoice.h"
#include "convert/ConversionServices.h"
#include "convert/JobScheduler.h"

#include <QString>
#include <functional>
#include <optional>

class QEventLoop;

namespace brindlecast {

class FileRows;
class ProgressDisplay;
class WindowPointer;

// The output options as they stand when "Start Converting" is pressed.
struct ConversionChoices {
    bool sameBitRateAsInput = false; // "Use same bit rate as input file"
    bool constantBitRate = false;    // "Use this constant bit rate for all files:"
    QString bitRateEntry;            // the list's entry, "128 kbps"
    bool saveToFolder = false;       // "Save results to this folder:"
    QString outputFolder;
    bool saveBesideInput = false; // "Save results in folder of original file"
    int encodersAtOnce = 1;       // files converted side by side
    // "Keep subfolders": with saveToFolder, a row found by searching a folder is saved at its
    // path below that folder.
    bool keepFolders = false;
};

// How far a run has come.
struct RunProgress {
    int filesEnded = 0; // converted, skipped or failed so far
    int fileCount = 0;
    double fractionDone = 0; // by input size, 0 to 1
    double elapsedSeconds = 0;
    bool ended = false; // the run is over; the counts below are its outcome
    int converted = 0;
    int failed = 0;
};

// What a run reads and drives: the services, the list, the bar, the window's pointer and its
// plain box.
struct ConversionTargets {
    ConversionServices services;
    const FileRows& rows;
    ProgressDisplay& progress;
    WindowPointer& pointer;
    std::function<void(const QString& text)> messageBox;
    // Told when the run begins converting (after its checks) and when it has ended, before the
    // closing message; may be empty.
    std::function<void(bool converting)> convertingChanged = {};
    // Told when the rows are taken, after each file and once when the run is over, before the
    // closing message.
    std::function<void(const RunProgress&)> onProgress = {};
    // Shows the closing message; a folder that is not "" holds outputs of this run, and the box
    // offers to open it. The plain box when not set.
    std::function<void(const QString& text, const QString& outputFolder)> closingMessage = {};
};

// "Start Converting": converts every row of the list, up to the chosen number of encoder
// processes at once, while the window stays responsive. Failed files are reported in the
// closing message, in the list's order.
class ConversionRun {
public:
    explicit ConversionRun(ConversionTargets targets);
    ~ConversionRun();

    // Converts the rows as they stand now; nothing while a run is active.
    void start(const ConversionChoices& choices);

    bool isConverting() const { return m_converting; }

    // Ends every running encoder (their partial outputs go) and converts nothing more; the
    // outputs already finished stay, and the closing message begins "Stopped.". Nothing when no
    // run works.
    void stop();
    bool isStopping() const { return m_converting && m_stopping; }

private:
    struct RunState;

    void convertRows(RunState& run);
    // The next row's job, after the steps that show and prepare it; nullopt when none is left.
    std::optional<ScheduledJob> prepareRow(int row, RunState& run);
    // The bit-rate text of a row (144 to 150); nullopt when none could be worked out.
    std::optional<QString> bitRateFor(int row, const QString& openedInput, RunState& run);
    // Replaces bitRate by the input's own; false when that could not be read.
    bool probeInputBitRate(const QString& input, QString& bitRate, RunState& run);
    // A file of the run has ended, converted or not.
    void fileEnded(int row, RunState& run);
    void reportProgress(const RunState& run, const RunProgress& progress) const;
    // One cycle of the wait: up to 100 ms, less when a child ends; true when the time ran out.
    bool waitOneCycle();

    ConversionTargets m_targets;
    AacEncoderChoice m_aacEncoders;
    bool m_converting = false; // IsConverting: a second click during a run does nothing
    bool m_stopping = false;
    JobScheduler* m_scheduler = nullptr; // while encoders run, for stop()
    QEventLoop* m_waiting = nullptr;     // the wait of the moment, cut short by a child's end
};

} // namespace brindlecast
