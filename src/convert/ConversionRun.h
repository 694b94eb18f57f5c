// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "convert/AacEncoderChoice.h"
#include "convert/ConversionServices.h"

#include <QString>
#include <functional>

namespace brindlecast {

class FileRows;
class ProgressDisplay;
class RunReport;
class StepReporter;
class WindowPointer;

// The output options as they stand when "Start Converting" is pressed.
struct ConversionChoices {
    bool sameBitRateAsInput = false; // "Use same bit rate as input file"
    bool constantBitRate = false;    // "Use this constant bit rate for all files:"
    QString bitRateEntry;            // the list's entry, "128 kbps"
    bool saveToFolder = false;       // "Save results to this folder:"
    QString outputFolder;
    bool saveBesideInput = false; // "Save results in folder of original file"
};

// What a run reads and drives: the services, the list, the bar, the window's pointer and its
// plain box.
struct ConversionTargets {
    ConversionServices services;
    const FileRows& rows;
    ProgressDisplay& progress;
    WindowPointer& pointer;
    std::function<void(const QString& text)> messageBox;
};

// "Start Converting": converts every row of the list, one encoder process at a time, while the
// window stays responsive. Failed files are reported in the closing message.
class ConversionRun {
public:
    explicit ConversionRun(ConversionTargets targets);

    void PushButton2_Click(const ConversionChoices& choices);

    bool isConverting() const { return m_converting; }

    // Ends the running encoder (its partial output goes) and converts nothing more; the outputs
    // already finished stay, and the closing message begins "Stopped.". Nothing when no run works.
    void stop();
    bool isStopping() const { return m_converting && m_stopping; }

    // The text form of the last encoder command started (for the record and for tests).
    const QString& lastCommandText() const { return m_lastCommandText; }

private:
    struct RunState;

    void convertRow(int row, StepReporter& steps, RunState& run);
    // Replaces bitRate by the input's own; false when that could not be read.
    bool probeInputBitRate(const QString& input, QString& bitRate, StepReporter& steps,
                           RunState& run);
    // True when the output was written whole.
    bool encode(const QString& input, const QString& output, const QString& bitRate,
                StepReporter& steps, RunState& run);

    ConversionTargets m_targets;
    AacEncoderChoice m_aacEncoders;
    bool m_converting = false; // IsConverting: a second click during a run does nothing
    bool m_stopping = false;
    ChildProcess* m_runningChild = nullptr; // the encoder at work, for stop()
    QString m_lastCommandText;
};

} // namespace brindlecast
