#pragma once

#include <QString>

namespace brindlecast {

class MediaInfoLibrary;

// The encoder's bit-rate text for a list entry: " kbps" (any case) becomes "k", then blanks
// are trimmed. "128 kbps" gives "128k"; "128kbps" comes back unchanged.
QString getBitRate(const QString& listEntry);

// The bit-rate text for an input file: its overall bit rate as MediaInfo reads it, in whole
// kilobits per second, or getBitRate(listEntry) when the library has no usable answer.
// Throws Failure when the library cannot be used or its answer does not convert.
QString getAudioBitRate(MediaInfoLibrary& library, const QString& inputPath,
                        const QString& listEntry);

// The answer's bit-rate text, or fallback when the answer is empty or not above 0. 128000
// gives "128k", 96500 "96k" and 500 "0k" (halves round to even). Throws Failure 13 for an answer
// that starts like a number but is not one, and 6 for a rate beyond 32,767 kbps.
QString bitRateTextFromAnswer(const QString& answer, const QString& fallback);

// The leading number of a text, as the classic Val reads it: blanks skipped, reading stops at
// the first character that cannot continue a number; 0 when there is none.
double leadingNumber(const QString& text);

// A copy of the NUL-terminated wide string at the pointer; "" for a null pointer.
QString WideStringFromPointer(const wchar_t* text);

// The "BitRate" of the General stream of a file, as the library answers it ("" when it has
// none, and for anything but a regular file). The library's handle is released before this
// returns, also on failure.
QString mediaInfoGeneralBitRate(MediaInfoLibrary& library, const QString& path);

} // namespace brindlecast
