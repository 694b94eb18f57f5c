#include "convert/BitRate.h"

#include "app/Rounding.h"
#include "platform/Failure.h"
#include "platform/MediaInfoLibrary.h"

#include <QRegularExpression>
#include <cwchar>
#include <string>

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

Failure typeMismatch()
{
    return Failure(QStringLiteral("Type mismatch"), 13);
}

Failure overflow()
{
    return Failure(QStringLiteral("Overflow"), 6);
}

// The whole text as a 32-bit whole number, halves to even; blanks around it are allowed.
qint32 wholeNumberOf(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        throw typeMismatch();
    const double rounded = roundHalfEven(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        throw overflow();
    return static_cast<qint32>(rounded);
}

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
    const double kilobits = roundHalfEven(wholeNumberOf(answer) / 1000.0);
    if (kilobits < -32768.0 || kilobits > 32767.0)
        throw overflow();
    return QString::number(static_cast<int>(kilobits)) + u'k';
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
    void* handle = mediaInfo.New();
    if (!handle)
        throw Failure(QStringLiteral("MediaInfo could not create a handle"), 7);
    QString answer;
    try {
        const std::wstring fileName = path.toStdWString();
        mediaInfo.Open(handle, fileName.c_str()); // a file it cannot read answers ""
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
