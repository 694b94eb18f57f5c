// SPDX-License-Identifier: GPL-3.0-or-later
// `brindlecast-studio --convert --jobs 2` against the same encoder commands run directly, one
// after another and two at a time; `--jobs 1` against the one-after-another loop; and the
// program's resident size over a run of many tiny files. See bench/README.md.
#include "wav/WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

namespace {

using brindlecast::WavFormat;

struct Settings {
    int rounds = 3;
    int shortFiles = 50;
    double shortSeconds = 2;
    int longFiles = 3;
    double longSeconds = 180;
    int memoryFiles = 5000;
    double memorySeconds = 0.1;
};

double option(const QStringList& arguments, const char* name, double fallback)
{
    const qsizetype at = arguments.indexOf(QString::fromLatin1(name));
    return at > 0 && at + 1 < arguments.size() ? arguments[at + 1].toDouble() : fallback;
}

Settings settingsFrom(const QStringList& arguments)
{
    Settings settings;
    settings.rounds = std::max(1, int(option(arguments, "--rounds", settings.rounds)));
    settings.shortFiles = int(option(arguments, "--short-files", settings.shortFiles));
    settings.shortSeconds = option(arguments, "--short-seconds", settings.shortSeconds);
    settings.longFiles = int(option(arguments, "--long-files", settings.longFiles));
    settings.longSeconds = option(arguments, "--long-seconds", settings.longSeconds);
    settings.memoryFiles = int(option(arguments, "--memory-files", settings.memoryFiles));
    settings.memorySeconds = option(arguments, "--memory-seconds", settings.memorySeconds);
    return settings;
}

QStringList makeBatch(const QString& folder, int count, double seconds)
{
    QDir().mkpath(folder);
    QStringList files;
    const WavFormat format{44100, 2, 16, seconds};
    const QByteArray bytes = brindlecast::wavBytes(format);
    for (int i = 0; i < count; ++i) {
        const QString path =
            QStringLiteral("%1/take %2.wav").arg(folder).arg(i, 5, 10, QLatin1Char('0'));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            std::exit(2);
        }
        files << path;
    }
    return files;
}

// The encoder command the program runs for one file (see src/core/EncoderCommand.cpp).
QStringList encoderArguments(const QString& input, const QString& output)
{
    return {QStringLiteral("-i"),
            QStringLiteral("file:") + input,
            QStringLiteral("-ab"),
            QStringLiteral("128k"),
            QStringLiteral("-acodec"),
            QStringLiteral("aac"),
            QStringLiteral("-map_metadata"),
            QStringLiteral("0"),
            QStringLiteral("-vn"),
            QStringLiteral("-f"),
            QStringLiteral("adts"),
            QStringLiteral("-write_id3v2"),
            QStringLiteral("1"),
            QStringLiteral("-y"),
            QStringLiteral("file:") + output};
}

// Runs the encoder for every file directly, `atOnce` at a time; seconds taken.
double directLoop(const QString& ffmpeg, const QStringList& files, const QString& out, int atOnce)
{
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QProcess>> running;
    qsizetype next = 0;
    while (next < files.size() || !running.empty()) {
        while (next < files.size() && int(running.size()) < atOnce) {
            auto process = std::make_unique<QProcess>();
            process->setStandardInputFile(QProcess::nullDevice());
            process->setStandardOutputFile(QProcess::nullDevice());
            process->setStandardErrorFile(QProcess::nullDevice());
            const QString name = QFileInfo(files[next]).completeBaseName() + QStringLiteral(".aac");
            process->start(ffmpeg, encoderArguments(files[next], out + u'/' + name));
            process->waitForStarted();
            running.push_back(std::move(process));
            ++next;
        }
        // The first to end frees its place; with two running, whichever ends first.
        bool ended = false;
        while (!ended) {
            for (auto it = running.begin(); it != running.end(); ++it) {
                if ((*it)->state() == QProcess::NotRunning || (*it)->waitForFinished(5)) {
                    running.erase(it);
                    ended = true;
                    break;
                }
            }
        }
    }
    return clock.elapsed() / 1000.0;
}

struct ProgramRun {
    double seconds = 0;
    int status = -1;
    double firstRssMb = 0; // once a tenth of the files are done
    double peakRssMb = 0;  // the most from then on
};

double residentMb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

ProgramRun programRun(const QString& program, const QString& folder, const QString& out, int jobs,
                      int fileCount)
{
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    ProgramRun run;
    QElapsedTimer clock;
    clock.start();
    process.start(program, {QStringLiteral("--convert"), QStringLiteral("--jobs"),
                            QString::number(jobs), QStringLiteral("--bit-rate"),
                            QStringLiteral("128"), QStringLiteral("--output-folder"), out, folder});
    process.waitForStarted();
    int converted = 0;
    while (!process.waitForFinished(50)) {
        converted += int(process.readAllStandardOutput().count("converted "));
        if (converted >= std::max(1, fileCount / 10)) {
            const double rss = residentMb(process.processId());
            if (run.firstRssMb == 0)
                run.firstRssMb = rss;
            run.peakRssMb = std::max(run.peakRssMb, rss);
        }
    }
    run.seconds = clock.elapsed() / 1000.0;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (run.status != 0)
        std::fprintf(stderr, "the program ended with status %d\n", run.status);
    return run;
}

void compare(const Settings& settings, const QString& program, const QString& ffmpeg,
             const QString& root, const char* label, int count, double seconds)
{
    const QString folder = root + QStringLiteral("/in-") + QString::fromLatin1(label);
    const QStringList files = makeBatch(folder, count, seconds);
    const QString out = root + QStringLiteral("/out");
    const double inf = std::numeric_limits<double>::infinity();
    double jobs2 = inf, jobs1 = inf, sequential = inf, twoAtATime = inf;
    for (int round = 0; round < settings.rounds; ++round) {
        jobs2 = std::min(jobs2, programRun(program, folder, out, 2, count).seconds);
        sequential = std::min(sequential, directLoop(ffmpeg, files, out, 1));
        twoAtATime = std::min(twoAtATime, directLoop(ffmpeg, files, out, 2));
        jobs1 = std::min(jobs1, programRun(program, folder, out, 1, count).seconds);
    }
    std::printf("%-12s --jobs 2 %7.2f s | one after another %7.2f s | two at a time %7.2f s | "
                "--jobs 1 %7.2f s\n",
                label, jobs2, sequential, twoAtATime, jobs1);
    std::printf("%-12s --jobs 2 / sequential %.3f (target <= 0.60), --jobs 2 / two at a time "
                "%.3f (<= 1.05), --jobs 1 / sequential %.3f (<= 1.02)\n",
                label, jobs2 / sequential, jobs2 / twoAtATime, jobs1 / sequential);
    QDir(folder).removeRecursively();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const Settings settings = settingsFrom(application.arguments());
    const QString program = QStringLiteral(BRINDLECAST_EXECUTABLE);
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    QTemporaryDir root;
    if (ffmpeg.isEmpty() || !root.isValid()) {
        std::fprintf(stderr, "needs ffmpeg on PATH and a temporary folder\n");
        return 2;
    }
    // The program keeps what it learnt of the encoder in the cache folder: a temporary one, never
    // the user's, shared by all rounds as a user's runs share theirs.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root.filePath(QStringLiteral("cache"))));
    std::printf("%d round(s), 44.1 kHz stereo WAV, 128 kbps, best round of each counts\n",
                settings.rounds);
    if (settings.shortFiles > 0) {
        compare(settings, program, ffmpeg, root.path(),
                qPrintable(
                    QStringLiteral("%1x%2s").arg(settings.shortFiles).arg(settings.shortSeconds)),
                settings.shortFiles, settings.shortSeconds);
    }
    if (settings.longFiles > 0) {
        compare(
            settings, program, ffmpeg, root.path(),
            qPrintable(QStringLiteral("%1x%2s").arg(settings.longFiles).arg(settings.longSeconds)),
            settings.longFiles, settings.longSeconds);
    }
    if (settings.memoryFiles > 0) {
        const QString folder = root.path() + QStringLiteral("/many");
        makeBatch(folder, settings.memoryFiles, settings.memorySeconds);
        const ProgramRun run = programRun(program, folder, root.path() + QStringLiteral("/out"), 2,
                                          settings.memoryFiles);
        std::printf("%d x %gs: %.1f s, resident %.1f MB after a tenth of the files, at most "
                    "%.1f MB later: growth %.1f MB (target < 10 MB)\n",
                    settings.memoryFiles, settings.memorySeconds, run.seconds, run.firstRssMb,
                    run.peakRssMb, run.peakRssMb - run.firstRssMb);
    }
    return 0;
}
