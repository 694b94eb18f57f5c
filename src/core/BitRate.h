// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brindlecast {

// The encoder's bit-rate text for a list entry: " kbps" (any case) becomes "k", then blanks
// are trimmed. "128 kbps" gives "128k"; "128kbps" comes back unchanged.
QString getBitRate(const QString& listEntry);

// The answer's bit-rate text, or fallback when the answer is empty or not above 0. 128000
// gives "128k", 96500 "96k" and 500 "0k" (halves round to even). Throws Failure 13 for an answer
// that starts like a number but is not one, and 6 for a rate beyond 32,767 kbps.
QString bitRateTextFromAnswer(const QString& answer, const QString& fallback);

// The leading number of a text, as the classic Val reads it: blanks skipped, reading stops at
// the first character that cannot continue a number; 0 when there is none.
double leadingNumber(const QString& text);

// A copy of the NUL-terminated wide string at the pointer; "" for a null pointer.
QString WideStringFromPointer(const wchar_t* text);

} // namespace brindlecast
