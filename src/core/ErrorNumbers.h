// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Failure.h"

#include <QString>

namespace brindlecast {

// The numbers of the failures the program raises or looks for, as the error box names them
// (the classic runtime's numbering), each with its standard text in errorText().
enum class ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    DllNotLoaded = 48,
    FileNotFound = 53,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ObjectNotSet = 91,
    ResourceNotFound = 326,
    InvalidPropertyValue = 380,
    EntryPointNotFound = 453,
    InvalidPicture = 481,
    BufferTooSmall = 20476,
};

// The standard text of the number ("File not found").
QString errorText(ErrorNumber number);

// A failure of that number with its standard text, or with a text that says more.
Failure makeFailure(ErrorNumber number);
Failure makeFailure(ErrorNumber number, const QString& description);

// True when the failure carries that number.
inline bool hasNumber(const Failure& failure, ErrorNumber number)
{
    return failure.number() == int(number);
}

} // namespace brindlecast
