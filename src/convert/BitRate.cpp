#include "convert/BitRate.h"

#include "app/Rounding.h"
#include "platform/Failure.h"
#include "platform/MediaInfoLibrary.h"

#include <QFile>
#include <QRegularExpression>
#include <cwchar>
#include <fcntl.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace brindlecast {

namespace {

constexpr int kStreamGeneral = 0;
constexpr int kInfoText = 1;
constexpr int kInfoName = 0;

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

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

} // namespace

QString getBitRate(const QString& listEntry)
{
    QString text = listEntry;
    text.replace(QStringLiteral(" kbps"), QStringLiteral("k"), Qt::CaseInsensitive);
    return trimBlanks(text);
}

double leadingNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    QString compact = text;
    compact.remove(QRegularExpression(QStringLiteral("[ \\t\\n\\r]")));
    const QRegularExpressionMatch match = number.match(compact);
    return match.hasMatch() ? match.captured(0).toDouble() : 0.0;
}

QString bitRateTextFromAnswer(const QString& answer, const QString& fallback)
{
    if (answer.isEmpty() || !(leadingNumber(answer) > 0))
        return fallback;
    const qint32 bitsPerSecond = wholeNumberInRange(answer, std::numeric_limits<qint32>::min(),
                                                    std::numeric_limits<qint32>::max());
    return QString::number(roundedInRange(bitsPerSecond / 1000.0, -32768, 32767)) + u'k';
}

QString WideStringFromPointer(const wchar_t* text)
{
    if (!text)
        return {};
    return QString::fromWCharArray(text, static_cast<qsizetype>(std::wcslen(text)));
}

QString mediaInfoGeneralBitRate(MediaInfoLibrary& library, const QString& path)
{
    const MediaInfoEntryPoints& mediaInfo = library.entryPoints();
    const ProbeTarget target(path);
    void* handle = mediaInfo.New();
    if (!handle)
        throw Failure(QStringLiteral("MediaInfo could not create a handle"), 7);
    QString answer;
    try {
        // A file it cannot read answers "", as does one that is not there.
        mediaInfo.Open(handle, target.name().c_str());
        answer = WideStringFromPointer(
            mediaInfo.Get(handle, kStreamGeneral, 0, L"BitRate", kInfoText, kInfoName));
    } catch (...) {
        mediaInfo.Close(handle);
        mediaInfo.Delete(handle);
        throw;
    }
    mediaInfo.Close(handle);
    mediaInfo.Delete(handle);
    return answer;
}

QString getAudioBitRate(MediaInfoLibrary& library, const QString& inputPath,
                        const QString& listEntry)
{
    const QString fallback = getBitRate(listEntry);
    return bitRateTextFromAnswer(mediaInfoGeneralBitRate(library, inputPath), fallback);
}

} // namespace brindlecast
