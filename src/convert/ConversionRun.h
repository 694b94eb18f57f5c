#pragma once

#include <QString>

namespace brindlecast {

class Form1;
class RunReport;
class StepReporter;

// "Start Converting": converts every row of the list, one encoder process at a time, while the
// window stays responsive. Failed files are reported in the closing message.
class ConversionRun {
public:
    explicit ConversionRun(Form1& form);

    void PushButton2_Click();

    bool isConverting() const { return IsConverting; }

    // The text form of the last encoder command started (for the record and for tests).
    const QString& lastCommandText() const { return m_lastCommandText; }

private:
    struct RunState;

    void convertRow(int row, StepReporter& steps, RunState& run);
    void encode(const QString& input, const QString& output, const QString& bitRate,
                StepReporter& steps, RunState& run);

    Form1& m_form;
    bool IsConverting = false;
    QString m_lastCommandText;
};

} // namespace brindlecast
