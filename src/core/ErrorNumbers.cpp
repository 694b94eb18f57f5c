// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ErrorNumbers.h"

#include <QCoreApplication>

namespace brindlecast {

QString errorText(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidProcedureCall:
        return QCoreApplication::translate("ErrorNumbers", "Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QCoreApplication::translate("ErrorNumbers", "Overflow");
    case ErrorNumber::OutOfMemory:
        return QCoreApplication::translate("ErrorNumbers", "Out of memory");
    case ErrorNumber::SubscriptOutOfRange:
        return QCoreApplication::translate("ErrorNumbers", "Subscript out of range");
    case ErrorNumber::DivisionByZero:
        return QCoreApplication::translate("ErrorNumbers", "Division by zero");
    case ErrorNumber::TypeMismatch:
        return QCoreApplication::translate("ErrorNumbers", "Type mismatch");
    case ErrorNumber::DllNotLoaded:
        return QCoreApplication::translate("ErrorNumbers", "Error in loading DLL");
    case ErrorNumber::FileNotFound:
        return QCoreApplication::translate("ErrorNumbers", "File not found");
    case ErrorNumber::PermissionDenied:
        return QCoreApplication::translate("ErrorNumbers", "Permission denied");
    case ErrorNumber::PathFileAccessError:
        return QCoreApplication::translate("ErrorNumbers", "Path/File access error");
    case ErrorNumber::PathNotFound:
        return QCoreApplication::translate("ErrorNumbers", "Path not found");
    case ErrorNumber::ObjectNotSet:
        return QCoreApplication::translate("ErrorNumbers",
                                           "Object variable or With block variable not set");
    case ErrorNumber::ResourceNotFound:
        return QCoreApplication::translate("ErrorNumbers", "Resource not found");
    case ErrorNumber::InvalidPropertyValue:
        return QCoreApplication::translate("ErrorNumbers", "Invalid property value");
    case ErrorNumber::EntryPointNotFound:
        return QCoreApplication::translate("ErrorNumbers", "Can't find DLL entry point");
    case ErrorNumber::InvalidPicture:
        return QCoreApplication::translate("ErrorNumbers", "Invalid picture");
    case ErrorNumber::BufferTooSmall:
        return QCoreApplication::translate(
            "ErrorNumbers", "The FileName buffer is too small to store the selected file "
                            "name(s).");
    }
    return QCoreApplication::translate("ErrorNumbers",
                                       "Application-defined or object-defined error");
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
