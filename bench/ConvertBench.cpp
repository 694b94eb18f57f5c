// SPDX-License-Identifier: GPL-3.0-or-later
// Times "Start Converting" in an offscreen window, with "Encoders At Once" at its default (one per
// usable processor) and at 1, against the same encoder commands started one after another
// without the program, for a batch of short files and one of long files; and watches how long the
// window goes without handling events during the run.
//
//   QT_QPA_PLATFORM=offscreen build/bench/convert_bench [--rounds N (3)] [--rate-of-input]
//       [--short-only]
#include "BenchSession.h"
#include "app/Form1.h"
#include "app/TextProgressBar.h"
#include "core/Settings.h"
#include "filelist/FileListView.h"
#include "platform/ChildProcess.h"
#include "platform/EncoderStore.h"
#include "platform/QtPlatform.h"
#include "platform/UsableProcessors.h"
#include "support/ForwardingChildProcess.h"
#include "wav/WavFile.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace brindlecast {

namespace {

// Message boxes are recorded, never shown, so the run does not wait for a user.
class RecordingDialogs final : public Dialogs {
public:
    QStringList messages;
    MessageAnswer showMessage(const MessageRequest& request) override
    {
        messages.append(request.text);
        return MessageAnswer::Ok;
    }
    QString openFiles(const OpenFileRequest&) override { return {}; }
    QString browseForFolder(const QString&, const QString&) override { return {}; }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    bool openFolder(const QString&) override { return true; }
};

// The real platform, noting every encoder command that the run starts.
class BenchPlatform final : public QtPlatform {
public:
    RecordingDialogs recorded;
    QList<ProcessCommand> encodes;
    qint64 encodingNs = 0; // from the start of each encoder until the run saw it end

    Dialogs& dialogs() override { return recorded; }
    void endProcessNow() override {}
    std::unique_ptr<ChildProcess> createChildProcess() override;
};

std::unique_ptr<ChildProcess> BenchPlatform::createChildProcess()
{
    struct Timing {
        QElapsedTimer clock;
        bool encode = false;
    };
    auto timing = std::make_shared<Timing>();
    test::ForwardingChildProcess::Observer observer;
    observer.starting = [this, timing](const ProcessCommand& command) {
        timing->encode = command.arguments.contains(QStringLiteral("-ab"));
        if (timing->encode)
            encodes.append(command);
        timing->clock.start();
    };
    // As the real child does, it tells of its end, so the run never waits longer than it must.
    observer.ended = [this, timing] {
        if (timing->encode && timing->clock.isValid()) {
            encodingNs += timing->clock.nsecsElapsed();
            timing->clock.invalidate();
        }
    };
    return std::make_unique<test::ForwardingChildProcess>(QtPlatform::createChildProcess(),
                                                          std::move(observer));
}

// Runs one command directly and waits for it; false when it fails.
bool spawnAndWait(const QString& program, const QStringList& arguments)
{
    std::vector<QByteArray> bytes{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return failed == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// The outputs, and the partial files the direct runs wrote under the run's names.
void removeOutputs(const QStringList& inputs)
{
    for (const QString& input : inputs)
        QFile::remove(input.left(input.lastIndexOf(u'.')) + QStringLiteral(".aac"));
    if (inputs.isEmpty())
        return;
    QDir folder = QFileInfo(inputs.first()).dir();
    for (const QString& partial :
         folder.entryList({QStringLiteral(".brindlecast-*.part")}, QDir::Files | QDir::Hidden))
        folder.remove(partial);
}

constexpr int kWatchIntervalMs = 5;

struct Timing {
    double program = 0;
    double encoding = 0; // the encoders' own time, summed over all of them
    double direct = 0;
    qint64 longestPauseNs = 0; // the window without handling events
    bool ok = true;
};

// Presses "Start Converting" with the encoders at once as given (0: the setting's default) and
// runs the same commands one after another directly.
Timing measure(const QStringList& inputs, bool rateOfInput, int encodersAtOnce)
{
    Timing timing;
    QSettings settings(SettingsStore::fileName(), QSettings::NativeFormat);
    const QString key = QString::fromLatin1(SettingsStore::kSection) + u'/' +
                        settingName(SettingKey::EncodersAtOnce);
    if (encodersAtOnce > 0)
        settings.setValue(key, QString::number(encodersAtOnce));
    else
        settings.remove(key);
    settings.sync();
    BenchPlatform platform;
    Form1 form(platform);
    form.Option4->setChecked(true);
    form.Combo1->setCurrentIndex(form.Combo1->findText(QStringLiteral("128 kbps")));
    (rateOfInput ? form.Option1 : form.Option2)->setChecked(true);
    for (const QString& input : inputs)
        form.ListView1->appendRow(input);
    platform.recorded.messages.clear();

    removeOutputs(inputs);
    // Fires every few milliseconds while the window handles events: the longest wait between two
    // firings is the longest time it did not answer (give or take the interval). A timer that
    // fired at every pass of the event loop would keep a processor busy that the encoders need.
    QElapsedTimer sinceLastPass;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    watch.setInterval(kWatchIntervalMs);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        timing.longestPauseNs = std::max(timing.longestPauseNs, sinceLastPass.nsecsElapsed());
        sinceLastPass.restart();
    });
    watch.start();
    sinceLastPass.start();
    QElapsedTimer clock;
    clock.start();
    form.PushButton2->click();
    timing.program = clock.nsecsElapsed() / 1e9;
    watch.stop();
    timing.encoding = platform.encodingNs / 1e9;
    if (platform.recorded.messages != QStringList{QStringLiteral("Done.")} ||
        platform.encodes.size() != inputs.size()) {
        std::fprintf(stderr, "run did not convert every file: %s\n",
                     qPrintable(platform.recorded.messages.join(u'\n')));
        timing.ok = false;
    }

    // The same commands, with the installed encoder the run deployed a copy of, each writing the
    // final name: the run's partial files were written through descriptors in private folders
    // that are gone now.
    removeOutputs(inputs);
    const QString encoder = installedEncoderPath();
    QStringList outputs;
    for (const ProcessCommand& command : platform.encodes) {
        const QString input = command.arguments.value(1).mid(int(qstrlen("file:")));
        outputs << QStringLiteral("file:") + input.left(input.lastIndexOf(u'.')) +
                       QStringLiteral(".aac");
    }
    clock.restart();
    for (qsizetype i = 0; i < platform.encodes.size(); ++i) {
        QStringList arguments = platform.encodes[i].arguments;
        arguments.last() = outputs[i];
        timing.ok = spawnAndWait(encoder, arguments) && timing.ok;
    }
    timing.direct = clock.nsecsElapsed() / 1e9;
    removeOutputs(inputs);
    return timing;
}

QStringList makeBatch(const QString& folder, int count, double seconds)
{
    QDir().mkpath(folder);
    QStringList paths;
    for (int i = 1; i <= count; ++i) {
        const QString path =
            folder + QStringLiteral("/take %1.wav").arg(i, 3, 10, QLatin1Char('0'));
        writeWav(path, {44100, 2, 16, seconds});
        paths.append(path);
    }
    return paths;
}

} // namespace

} // namespace brindlecast

int main(int argc, char* argv[])
{
    using namespace brindlecast;
    const bench::BenchSession session(argc, argv);
    const bool rateOfInput = session.arguments().contains(QStringLiteral("--rate-of-input"));
    const bool shortOnly = session.arguments().contains(QStringLiteral("--short-only"));
    const int rounds = session.rounds();

    QTemporaryDir work;
    QTemporaryDir temp;
    qputenv("TEMP", QFile::encodeName(temp.path()));
    std::printf("generating WAV files in %s ...\n", qPrintable(work.path()));
    QList<std::pair<const char*, QStringList>> batches{
        {"50 files x 2 s", makeBatch(work.filePath(QStringLiteral("short")), 50, 2.0)}};
    if (!shortOnly)
        batches.append(
            {"3 files x 3 min", makeBatch(work.filePath(QStringLiteral("long")), 3, 180.0)});
    spawnAndWait(installedEncoderPath(), {QStringLiteral("-version")}); // warm the caches

    const int processors = encodersAtOnceFromSetting(std::nullopt, usableProcessorCount());
    std::printf("bit rate: %s; %d usable processor(s); %d round(s), best of each\n",
                rateOfInput ? "each input's own (MediaInfo)" : "constant 128 kbps", processors,
                rounds);
    bool ok = true;
    qint64 longestPauseNs = 0;
    for (const auto& [name, files] : batches) {
        // Rounds alternate the ways, and the best of each counts, so that load from other
        // processes weighs on all alike.
        Timing parallel{1e9, 0, 1e9, 0, true};
        Timing single{1e9, 0, 1e9, 0, true};
        double direct = 1e9;
        for (int round = 0; round < rounds; ++round) {
            for (Timing* best : {&parallel, &single}) {
                const Timing t = measure(files, rateOfInput, best == &parallel ? 0 : 1);
                std::printf("  %s, %s, round %d: program %.2f s (encoders %.2f s), one after "
                            "another alone %.2f s, longest pause %.1f ms\n",
                            name, best == &parallel ? "default encoders at once" : "1 at once",
                            round + 1, t.program, t.encoding, t.direct, t.longestPauseNs / 1e6);
                if (t.program < best->program) {
                    best->program = t.program;
                    best->encoding = t.encoding;
                }
                best->longestPauseNs = std::max(best->longestPauseNs, t.longestPauseNs);
                direct = std::min(direct, t.direct);
                ok = ok && t.ok;
            }
        }
        longestPauseNs = std::max({longestPauseNs, parallel.longestPauseNs, single.longestPauseNs});
        std::printf("%-16s %d at once %8.2f s   1 at once %8.2f s   one after another alone "
                    "%8.2f s   ratios %.3f and %.3f\n",
                    name, processors, parallel.program, single.program, direct,
                    parallel.program / direct, single.program / direct);
    }
    std::printf("longest time without handling events: %.1f ms (ratio %.2f to the limit of "
                "100 ms)\n",
                longestPauseNs / 1e6, longestPauseNs / 1e8);
    return ok ? 0 : 1;
}
