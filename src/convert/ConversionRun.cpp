#include "convert/ConversionRun.h"

#include "app/ErrorReport.h"
#include "app/Form1.h"
#include "app/PathHelpers.h"
#include "app/PointerKind.h"
#include "app/StepReporter.h"
#include "app/TextProgressBar.h"
#include "convert/BitRate.h"
#include "convert/EncoderCommand.h"
#include "convert/EncoderDeployment.h"
#include "convert/ProcessRunner.h"
#include "convert/ProgressAnimation.h"
#include "convert/RunReport.h"
#include "filelist/FileListView.h"
#include "platform/ChildProcess.h"
#include "platform/Failure.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>
#include <sys/stat.h>

namespace brindlecast {

namespace {

// True when something, even a dangling link, is at the path.
bool pathPresent(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// True when both names lead to one file, so that deleting the output would delete the input.
bool sameFile(const QString& input, const QString& output)
{
    if (input == output)
        return true;
    struct stat in {};
    struct stat out {};
    return ::stat(QFile::encodeName(input).constData(), &in) == 0 &&
           ::stat(QFile::encodeName(output).constData(), &out) == 0 && in.st_dev == out.st_dev &&
           in.st_ino == out.st_ino;
}

bool isRegularFile(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool holdsOutput(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           info.st_size > 0;
}

QString encodeFailureReason(int result, const ChildProcess& process,
                            const QStringList& fileArguments)
{
    if (isStartFailureResult(result)) {
        return QStringLiteral("the encoder could not be started (%1)")
            .arg(process.errorOutputTail());
    }
    const QString line = lastErrorLine(process.errorOutputTail(), fileArguments);
    QString reason = QStringLiteral("the encoder failed (exit code %1)").arg(result);
    return line.isEmpty() ? reason : reason + QStringLiteral(": ") + line;
}

} // namespace

struct ConversionRun::RunState {
    QString temporaryFolder; // as it was when the encoder was put in place
    QString encoder;
    QString codec = QString::fromLatin1(kNativeAacEncoder);
    int fileCount = 0;
    RunReport report;
};

ConversionRun::ConversionRun(Form1& form) : m_form(form) {}

void ConversionRun::PushButton2_Click()
{
    if (IsConverting) // 100
        return;
    IsConverting = true; // 102
    struct ClearFlag {
        bool& flag;
        ~ClearFlag() { flag = false; } // 170, however the run ends
    } clearFlag{IsConverting};

    Platform& platform = m_form.platform();
    StepReporter steps(platform.dialogs(), form1LocationText(QStringLiteral("PushButton2_Click")));
    TextProgressBar* bar = m_form.ProgressBar1;

    if (!steps.check(104, [&] { return m_form.ListView1->rowCount() > 0; })) {
        steps.run(168, [&] { m_form.messageBox(QStringLiteral("No files added.")); });
        return;
    }
    if (!steps.check(106, [&] {
            return FolderExists(m_form.Text1->text()) || m_form.Option4->isChecked();
        })) {
        steps.run(166, [&] {
            m_form.messageBox(
                QStringLiteral("Folder does not exist. Please select another folder."));
        });
        return;
    }
    steps.run(108, [&] { m_form.setMousePointer(PointerBusy); });

    const QString addressWidth =
        steps.value(110, QString(), [&] { return GetAddressWidth(platform); });
    QByteArray encoderData;
    const int build = encoderBuildFor(addressWidth); // 112
    steps.run(build == 102 ? 114 : 116, [&] { encoderData = platform.encoderResource(build); });

    RunState run;
    bool deployedFromData = false;
    steps.run(118,
              [&] { deployedFromData = deployEncoder(encoderData, platform.temporaryFolder()); });
    steps.run(120, [&] {
        run.temporaryFolder = platform.temporaryFolder();
        run.encoder = encoderPath(run.temporaryFolder);
        if (!isTrustedEncoder(run.temporaryFolder))
            return;
        run.codec = deployedFromData ? aacEncoderOfBuild(platform, run.encoder, encoderData)
                                     : aacEncoderOf(platform, run.encoder);
    });

    // Rows added during the run wait for the next one.
    run.fileCount = steps.value(122, 0, [&] { return m_form.ListView1->rowCount(); });
    for (int row = 1; row <= run.fileCount; ++row) // 154
        convertRow(row, steps, run);

    steps.run(156, [&] { removeDeployedEncoder(platform.temporaryFolder()); });
    steps.run(158, [&] { m_form.setMousePointer(PointerDefault); });
    steps.run(160, [&] { bar->setRealValue(0); });
    steps.run(162, [&] { bar->setText(QStringLiteral("Progress Bar")); });
    steps.run(164, [&] { m_form.messageBox(run.report.closingMessage(run.fileCount)); });
}

void ConversionRun::convertRow(int row, StepReporter& steps, RunState& run)
{
    TextProgressBar* bar = m_form.ProgressBar1;
    std::optional<QString> input;
    steps.run(124, [&] {
        if (row > m_form.ListView1->rowCount())
            throw Failure(QStringLiteral("Index out of bounds"), 35600);
        input = m_form.ListView1->rowText(row);
    });
    if (!input) {
        run.report.addFailure(QStringLiteral("(row %1)").arg(row),
                              QStringLiteral("the list row could not be read"));
        return;
    }
    steps.run(126, [&] {
        const int rows = m_form.ListView1->rowCount();
        if (rows == 0)
            throw Failure(QStringLiteral("Division by zero"), 11);
        bar->setRealValue(double(row) / rows * 100.0);
    });
    steps.run(128, [&] { bar->setText(QStringLiteral("Processing: ") + FileNameOfPath(*input)); });
    QCoreApplication::processEvents(); // 130
    steps.run(132, [&] { m_form.setMousePointer(PointerBusy); });

    // A step that makes no output name or no bit rate for this file skips it: the values of the
    // previous file would overwrite that file's result.
    std::optional<QString> output;
    if (steps.check(134, [&] { return m_form.Option3->isChecked(); }))
        steps.run(136, [&] { output = outputPathIn(m_form.Text1->text(), *input); });
    else if (steps.check(138, [&] { return m_form.Option4->isChecked(); }))
        steps.run(140, [&] { output = outputPathIn(FolderOfPath(*input), *input); });
    if (!output) {
        run.report.addFailure(*input, QStringLiteral("no output file name could be made"));
        return;
    }
    // The encoder would wait for ever on a pipe; a missing input leaves any old output alone.
    if (!isRegularFile(*input)) {
        run.report.addFailure(*input, QStringLiteral("the input is missing or not a regular file"));
        return;
    }
    if (sameFile(*input, *output)) {
        run.report.addFailure(*input,
                              QStringLiteral("the output file would replace the input file"));
        return;
    }

    steps.run(142, [&] { DeleteFileQuietly(*output); });
    // The encoder would stop to ask about a file it may not replace; nobody could answer.
    if (pathPresent(*output)) {
        run.report.addFailure(
            *input, QStringLiteral("the old output file %1 could not be removed").arg(*output));
        return;
    }

    std::optional<QString> bitRate;
    if (steps.check(144, [&] { return m_form.Option1->isChecked(); })) {
        steps.run(146, [&] {
            // The list's entry first: when the probe fails, the file is converted at that rate.
            const QString entry = m_form.Combo1->currentText();
            bitRate = getBitRate(entry);
            bitRate = getAudioBitRate(m_form.platform().mediaInfo(), *input, entry);
        });
    } else if (steps.check(148, [&] { return m_form.Option2->isChecked(); })) {
        steps.run(150, [&] { bitRate = getBitRate(m_form.Combo1->currentText()); });
    }
    if (!bitRate) {
        run.report.addFailure(*input, QStringLiteral("no bit rate could be worked out"));
        return;
    }
    encode(*input, *output, *bitRate, steps, run);
}

void ConversionRun::encode(const QString& input, const QString& output, const QString& bitRate,
                           StepReporter& steps, RunState& run)
{
    TextProgressBar* bar = m_form.ProgressBar1;
    std::optional<QString> failure;
    const bool ran = steps.run(152, [&] {
        const EncoderCommand command =
            buildEncoderCommand(run.encoder, input, bitRate, run.codec, output);
        m_lastCommandText = command.text;
        if (run.encoder.isEmpty() || !isTrustedEncoder(run.temporaryFolder)) {
            failure = QStringLiteral("the encoder is missing or could have been changed by "
                                     "another user, so it was not run");
            return;
        }
        const auto process = m_form.platform().createChildProcess();
        const int result =
            RunProcessWithProgress(*process, command.process, kHiddenWindow, bar, bar->text(),
                                   bar->wholeValue(), m_form.ListView1->rowCount());
        if (result != 0) {
            failure = encodeFailureReason(
                result, *process, {encoderFileArgument(input), encoderFileArgument(output)});
        } else if (!holdsOutput(output)) {
            failure = QStringLiteral("the encoder wrote no output");
        }
    });
    if (!ran && !failure)
        failure = QStringLiteral("the encoder run failed");
    if (failure) {
        // Whatever is at the output path now was written by this encode: the old file was
        // removed before it started, and the input is never at that path.
        if (pathPresent(output))
            DeleteFileQuietly(output);
        run.report.addFailure(input, *failure);
    }
}

} // namespace brindlecast
