// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MediaInfoProbe.h"

#include "core/BitRate.h"
#include "core/ErrorNumbers.h"
#include "platform/MediaInfoLibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <fcntl.h>
#include <initializer_list>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

namespace {

constexpr int kStreamGeneral = 0;
constexpr int kStreamAudio = 2;
constexpr int kInfoText = 1;
constexpr int kInfoName = 0;

bool isPlainAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// An open file for the library to read. The library turns wide names into bytes by the current
// locale, which cannot spell every name, so a name beyond ASCII is handed over as the path of an
// open descriptor instead; the program itself always uses UTF-8 names.
class ProbeTarget {
public:
    explicit ProbeTarget(const QString& path)
    {
        // Only a regular file: opening a pipe or a device could wait for ever.
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        struct stat info {};
        if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))
            return;
        m_name = isPlainAscii(path) ? path.toStdWString()
                                    : QStringLiteral("/proc/self/fd/%1").arg(m_fd).toStdWString();
    }
    ~ProbeTarget()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ProbeTarget(const ProbeTarget&) = delete;
    ProbeTarget& operator=(const ProbeTarget&) = delete;

    // "" when there is nothing the library should open.
    const std::wstring& name() const { return m_name; }

private:
    int m_fd = -1;
    std::wstring m_name;
};

struct Question {
    int streamKind;
    const wchar_t* parameter;
};

// The library's answers about one file, in the order asked. headerOnly asks it to read no more
// than the file's headers say (its "ParseSpeed" 0), several times quicker.
QStringList mediaInfoAnswers(MediaInfoLibrary& library, const QString& path,
                             std::initializer_list<Question> questions, bool headerOnly = false)
{
    const MediaInfoEntryPoints& mediaInfo = library.entryPoints();
    const ProbeTarget target(path);
    void* handle = mediaInfo.New();
    if (!handle)
        throw makeFailure(
            ErrorNumber::OutOfMemory,
            QCoreApplication::translate("MediaInfoProbe", "MediaInfo could not create a handle"));
    QStringList answers;
    try {
        if (headerOnly && mediaInfo.Option)
            mediaInfo.Option(handle, L"ParseSpeed", L"0");
        // A file it cannot read answers "", as does one that is not there.
        mediaInfo.Open(handle, target.name().c_str());
        for (const Question& question : questions) {
            answers.append(WideStringFromPointer(mediaInfo.Get(
                handle, question.streamKind, 0, question.parameter, kInfoText, kInfoName)));
        }
    } catch (...) {
        mediaInfo.Close(handle);
        mediaInfo.Delete(handle);
        throw;
    }
    mediaInfo.Close(handle);
    mediaInfo.Delete(handle);
    return answers;
}

// A "Duration" answer (milliseconds) in seconds; nullopt unless it is a positive number.
std::optional<double> secondsOfDuration(const QString& answer)
{
    bool isNumber = false;
    const double milliseconds = answer.toDouble(&isNumber);
    if (!isNumber || !(milliseconds > 0))
        return std::nullopt;
    return milliseconds / 1000.0;
}

} // namespace

QString mediaInfoGeneralBitRate(MediaInfoLibrary& library, const QString& path)
{
    return mediaInfoAnswers(library, path, {{kStreamGeneral, L"BitRate"}}).value(0);
}

std::optional<double> pcmWaveDurationSeconds(MediaInfoLibrary& library, const QString& path)
{
    const QStringList answers = mediaInfoAnswers(
        library, path,
        {{kStreamGeneral, L"Format"}, {kStreamAudio, L"Format"}, {kStreamGeneral, L"Duration"}},
        true);
    if (answers.value(0) != QLatin1String("Wave") || answers.value(1) != QLatin1String("PCM"))
        return std::nullopt;
    return secondsOfDuration(answers.value(2));
}

std::optional<double> mp4DurationSeconds(MediaInfoLibrary& library, const QString& path)
{
    const QStringList answers = mediaInfoAnswers(
        library, path, {{kStreamGeneral, L"Format"}, {kStreamGeneral, L"Duration"}}, true);
    if (answers.value(0) != QLatin1String("MPEG-4"))
        return std::nullopt;
    return secondsOfDuration(answers.value(1));
}

std::optional<QString> inputBitRate(MediaInfoLibrary& library, const QString& inputPath)
{
    const QString text = bitRateTextFromAnswer(mediaInfoGeneralBitRate(library, inputPath), {});
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

QString getAudioBitRate(MediaInfoLibrary& library, const QString& inputPath,
                        const QString& listEntry)
{
    const QString fallback = getBitRate(listEntry);
    return inputBitRate(library, inputPath).value_or(fallback);
}

} // namespace brindlecast
