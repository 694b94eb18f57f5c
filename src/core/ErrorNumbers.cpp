// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ErrorNumbers.h"

namespace brindlecast {

QString errorText(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QStringLiteral("Overflow");
    case ErrorNumber::OutOfMemory:
        return QStringLiteral("Out of memory");
    case ErrorNumber::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case ErrorNumber::DivisionByZero:
        return QStringLiteral("Division by zero");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrorNumber::DllNotLoaded:
        return QStringLiteral("Error in loading DLL");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorNumber::PermissionDenied:
        return QStringLiteral("Permission denied");
    case ErrorNumber::PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case ErrorNumber::PathNotFound:
        return QStringLiteral("Path not found");
    case ErrorNumber::ObjectNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case ErrorNumber::ResourceNotFound:
        return QStringLiteral("Resource not found");
    case ErrorNumber::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case ErrorNumber::EntryPointNotFound:
        return QStringLiteral("Can't find DLL entry point");
    case ErrorNumber::InvalidPicture:
        return QStringLiteral("Invalid picture");
    case ErrorNumber::BufferTooSmall:
        return QStringLiteral("The FileName buffer is too small to store the selected file "
                              "name(s).");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

Failure makeFailure(ErrorNumber number)
{
    return Failure(errorText(number), int(number));
}

Failure makeFailure(ErrorNumber number, const QString& description)
{
    return Failure(description, int(number));
}

} // namespace brindlecast
