// SPDX-License-Identifier: GPL-3.0-or-later
// Times "Add All WAV File(s) In Folder" in an offscreen window on a generated tree against a plain
// recursive listing of the same tree (std::filesystem), the list's row appends, and the memory
// each row takes.
//
//   QT_QPA_PLATFORM=offscreen build/bench/scan_bench [--rounds N (3)]
//   QT_QPA_PLATFORM=offscreen build/bench/scan_bench --folder / [--extension *]
//
// With --folder it presses "Add All" once on that folder instead (every file, unless an
// extension is given) and says how long the window went without handling events, and the heap
// each row took.
// The last line reads "ratio X": the scan's time divided by the listing's.
#include "BenchSession.h"
#include "app/Form1.h"
#include "filelist/FileListView.h"
#include "platform/Dialogs.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <malloc.h>
#include <string>
#include <utility>
#include <vector>

namespace brindlecast {

namespace {

constexpr int kFolders = 2000;
constexpr int kFilesPerFolder = 10;
constexpr int kDepth = 5;
constexpr int kChildrenPerFolder = 5;

// Answers the input box with the extension and the folder picker with the tree; boxes are
// recorded, never shown.
class AnsweringDialogs final : public Dialogs {
public:
    QString extension;
    QString folder;
    QStringList messages;

    MessageAnswer showMessage(const MessageRequest& request) override
    {
        messages.append(request.text);
        return MessageAnswer::Ok;
    }
    QString openFiles(const OpenFileRequest&) override { return {}; }
    QString browseForFolder(const QString&, const QString&) override { return folder; }
    QString inputBox(const QString&, const QString&, const QString&) override { return extension; }
    bool openFolder(const QString&) override { return true; }
};

class BenchPlatform final : public QtPlatform {
public:
    AnsweringDialogs answering;
    Dialogs& dialogs() override { return answering; }
    void endProcessNow() override {}
};

// 2,000 folders filled level by level (up to five children each, five levels deep), ten files
// in each, one in four of them a .wav. Returns the number of .wav files.
int makeTree(const QString& root)
{
    struct Folder {
        QString path;
        int depth;
    };
    std::deque<Folder> parents{{root, 0}};
    std::vector<QString> folders;
    while (static_cast<int>(folders.size()) < kFolders && !parents.empty()) {
        const Folder parent = parents.front();
        parents.pop_front();
        for (int child = 1; child <= kChildrenPerFolder && parent.depth < kDepth &&
                            static_cast<int>(folders.size()) < kFolders;
             ++child) {
            const QString path = parent.path + QStringLiteral("/folder %1").arg(child);
            QDir().mkdir(path);
            folders.push_back(path);
            parents.push_back({path, parent.depth + 1});
        }
    }
    // One file in four, counted over the whole tree, is a .wav.
    const char* const extensions[] = {".wav", ".txt", ".mp3", ".flac"};
    int files = 0;
    for (const QString& folder : folders) {
        for (int i = 0; i < kFilesPerFolder; ++i, ++files) {
            QFile file(folder + QStringLiteral("/take %1").arg(i) +
                       QLatin1String(extensions[files % 4]));
            if (file.open(QIODevice::WriteOnly))
                file.write("RIFF");
        }
    }
    const int wavs = (files + 3) / 4;
    return wavs;
}

// The plain way: every regular file below the root whose extension is .wav, ignoring case.
std::vector<std::string> listWavFiles(const std::string& root)
{
    namespace fs = std::filesystem;
    std::vector<std::string> found;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension == ".wav")
            found.push_back(entry.path().string());
    }
    return found;
}

double secondsOf(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

QStringList rowTexts(int count)
{
    QStringList texts;
    texts.reserve(count);
    for (int i = 0; i < count; ++i)
        texts.append(QStringLiteral("/music/album %1/take %2.wav").arg(i / 10).arg(i % 10));
    return texts;
}

// The time to append the rows to an empty list and let the view lay them out and paint.
double appendRows(FileListView& list, const QStringList& texts)
{
    list.removeAllRows();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    for (const QString& text : texts)
        list.appendRow(text);
    QCoreApplication::processEvents();
    const double seconds = secondsOf(clock);
    list.removeAllRows();
    return seconds;
}

// A path as long as a typical one in a music collection (55 characters), different for every row.
QString collectionPath(int i)
{
    return QStringLiteral("/home/listener/Music/Artist %1/Album %2/Track %3.wav")
        .arg(i / 1000, 4, 10, QLatin1Char('0'))
        .arg(i / 10 % 100, 2, 10, QLatin1Char('0'))
        .arg(i % 10, 3, 10, QLatin1Char('0'));
}

// Large blocks (a list's array of row pointers) come from mmap and count apart.
qint64 heapInUse()
{
    const struct mallinfo2 heap = mallinfo2();
    return qint64(heap.uordblks + heap.hblkhd);
}

// The heap each row takes once listed and laid out in a new list, the path text made afresh for
// every row as a scan makes it; against it, the heap each path takes held as text in a plain list
// of strings.
std::pair<double, double> bytesPerRow(int count)
{
    // What earlier work left to be freed is freed before the count starts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    const qint64 listBefore = heapInUse();
    qint64 listed = 0;
    {
        FileListView list;
        list.resize(560, 170);
        list.show();
        for (int i = 0; i < count; ++i)
            list.appendRow(collectionPath(i));
        list.scrollToBottom();
        QCoreApplication::processEvents();
        listed = heapInUse() - listBefore;
    }
    QCoreApplication::processEvents();

    const qint64 textsBefore = heapInUse();
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts.append(collectionPath(i));
    const qint64 held = heapInUse() - textsBefore;
    return {double(listed) / count, double(held) / count};
}

// "Add All" on a real folder of the user's choice, such as "/", watched by a timer that fires
// whenever the window handles events: the longest wait between two firings is the longest time
// the window did not answer.
int scanChosenFolder(BenchPlatform& platform, const QString& folder, const QString& extension)
{
    platform.answering.extension = extension;
    platform.answering.folder = folder;
    Form1 form(platform);
    form.show();
    QCoreApplication::processEvents();

    QElapsedTimer sinceLastPass;
    qint64 longestPause = 0;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, sinceLastPass.nsecsElapsed());
        sinceLastPass.restart();
    });
    const qint64 heapBefore = heapInUse();
    watch.start();
    sinceLastPass.start();
    QElapsedTimer clock;
    clock.start();
    form.PushButton3->click();
    const double seconds = secondsOf(clock);
    // What the view does with the new rows after the click has returned counts too.
    QEventLoop settling;
    QTimer::singleShot(500, &settling, &QEventLoop::quit);
    settling.exec();
    watch.stop();
    longestPause = std::max(longestPause, sinceLastPass.nsecsElapsed());
    const int rows = form.ListView1->rowCount();
    const qint64 heap = heapInUse() - heapBefore;

    std::printf("%d rows in %.1f s; %lld messages\n", rows, seconds,
                static_cast<long long>(platform.answering.messages.size()));
    std::printf("heap after the scan: %.1f MB, %.0f bytes per row\n", double(heap) / 1e6,
                rows > 0 ? double(heap) / rows : 0.0);
    std::printf("longest time without handling events: %.1f ms (ratio %.2f to the limit of "
                "100 ms)\n",
                double(longestPause) / 1e6, double(longestPause) / 1e8);
    return longestPause <= 100'000'000 ? 0 : 1;
}

} // namespace

} // namespace brindlecast

int main(int argc, char* argv[])
{
    using namespace brindlecast;
    const bench::BenchSession session(argc, argv);
    const int rounds = session.rounds();
    const QStringList args = session.arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--folder")); at > 0) {
        const qsizetype extensionAt = args.indexOf(QStringLiteral("--extension"));
        BenchPlatform platform;
        return scanChosenFolder(platform, args.value(at + 1),
                                extensionAt > 0 ? args.value(extensionAt + 1)
                                                : QStringLiteral("*"));
    }

    QTemporaryDir work;
    const QString root = work.filePath(QStringLiteral("tree"));
    QDir().mkpath(root);
    std::printf("generating %d files in %d folders in %s ...\n", kFolders * kFilesPerFolder,
                kFolders, qPrintable(root));
    const int wavs = makeTree(root);
    listWavFiles(root.toStdString()); // warm the caches

    BenchPlatform platform;
    platform.answering.extension = QStringLiteral("wav");
    platform.answering.folder = root;
    Form1 form(platform);
    form.show();
    QCoreApplication::processEvents();

    bool ok = true;
    double bestScan = 1e9;
    double bestListing = 1e9;
    // Rounds alternate the two ways and the best of each counts, so that load from other
    // processes weighs on both alike.
    for (int round = 1; round <= rounds; ++round) {
        form.ListView1->removeAllRows();
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        form.PushButton3->click();
        const double scan = secondsOf(clock);
        const int rows = form.ListView1->rowCount();

        clock.restart();
        const std::size_t listed = listWavFiles(root.toStdString()).size();
        const double listing = secondsOf(clock);

        std::printf("round %d: scan %.3f s (%d rows), listing %.3f s (%zu files)\n", round, scan,
                    rows, listing, listed);
        ok = ok && rows == wavs && static_cast<int>(listed) == wavs &&
             platform.answering.messages.isEmpty();
        bestScan = std::min(bestScan, scan);
        bestListing = std::min(bestListing, listing);
    }
    form.ListView1->removeAllRows();

    double append10k = 1e9;
    double append100k = 1e9;
    const QStringList texts10k = rowTexts(10000);
    const QStringList texts100k = rowTexts(100000);
    // Appends take a tenth of a second; a few more rounds steady the small one.
    for (int round = 0; round < std::max(rounds, 5); ++round) {
        append10k = std::min(append10k, appendRows(*form.ListView1, texts10k));
        append100k = std::min(append100k, appendRows(*form.ListView1, texts100k));
    }
    std::printf("append 10000 rows: %.3f s\n", append10k);
    std::printf("append 100000 rows: %.3f s (%.1f x the 10000 rows; linear is 10, target <= 12)\n",
                append100k, append100k / append10k);
    constexpr int kMemoryRows = 200000;
    const auto [listBytes, textBytes] = bytesPerRow(kMemoryRows);
    std::printf("memory per row (%d rows of 55 characters): list %.0f bytes, the paths alone "
                "%.0f bytes, ratio %.2f (target <= 1)\n",
                kMemoryRows, listBytes, textBytes, listBytes / textBytes);
    if (!ok)
        std::printf("the scan did not add exactly the %d .wav files, or showed a message\n", wavs);
    std::printf("scan %.3f s, listing %.3f s (best of %d; target ratio <= 3)\n", bestScan,
                bestListing, rounds);
    std::printf("ratio %.2f\n", bestScan / bestListing);
    return ok ? 0 : 1;
}
