// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchOptions.h"

#include "core/ConstantBitRates.h"

#include <QCoreApplication>
#include <algorithm>

namespace brindlecast {

namespace {

constexpr int kMostJobs = 256;

std::optional<int> listedBitRate(const QString& text)
{
    bool isNumber = false;
    const int kbps = text.toInt(&isNumber);
    if (!isNumber || text.startsWith(u'+') || text.startsWith(u'0'))
        return std::nullopt;
    const auto& rates = kConstantBitRatesKbps;
    if (std::find(rates.begin(), rates.end(), kbps) == rates.end())
        return std::nullopt;
    return kbps;
}

// Applies one option and its value; an error message, or "" when it was taken.
QString applyOption(const QString& name, const QString& value, BatchOptions& options)
{
    if (name == QLatin1String("--bit-rate")) {
        if (value == QLatin1String("same")) {
            options.bitRateKbps.reset();
            return {};
        }
        options.bitRateKbps = listedBitRate(value);
        if (!options.bitRateKbps) {
            return QCoreApplication::translate(
                       "BatchOptions", "--bit-rate must be \"same\" or one of %1, not \"%2\"")
                .arg(constantBitRatesAscendingText(), value);
        }
    } else if (name == QLatin1String("--output-folder")) {
        if (value.isEmpty())
            return QCoreApplication::translate("BatchOptions", "--output-folder needs a folder");
        options.outputFolder = value;
    } else if (name == QLatin1String("--jobs")) {
        bool isNumber = false;
        options.jobs = value.toInt(&isNumber);
        if (!isNumber || options.jobs < 1 || options.jobs > kMostJobs)
            return QCoreApplication::translate("BatchOptions",
                                               "--jobs must be a number from 1 to %1, not \"%2\"")
                .arg(kMostJobs)
                .arg(value);
    } else if (name == QLatin1String("--format")) {
        if (value == QLatin1String("aac"))
            options.format = OutputFormat::Aac;
        else if (value == QLatin1String("m4a"))
            options.format = OutputFormat::M4a;
        else
            return QCoreApplication::translate("BatchOptions",
                                               "--format must be aac or m4a, not \"%1\"")
                .arg(value);
    } else if (name == QLatin1String("--extension")) {
        QString extension = value.startsWith(u'.') ? value.mid(1) : value;
        if (extension.isEmpty() || extension.contains(u'/'))
            return QCoreApplication::translate("BatchOptions",
                                               "--extension needs an extension such as wav, or *");
        options.extension = extension;
    }
    return {};
}

bool takesValue(const QString& name)
{
    static const QStringList names{QStringLiteral("--bit-rate"), QStringLiteral("--output-folder"),
                                   QStringLiteral("--jobs"), QStringLiteral("--format"),
                                   QStringLiteral("--extension")};
    return names.contains(name);
}

bool isFlag(const QString& name)
{
    return name == QLatin1String("--keep-folders") || name == QLatin1String("--skip-existing");
}

ParsedArguments usageError(const QString& message)
{
    ParsedArguments parsed;
    parsed.action = BatchAction::UsageError;
    parsed.error = message;
    return parsed;
}

} // namespace

std::optional<BatchAction> informationRequest(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return BatchAction::Help;
        if (argument == QLatin1String("--version"))
            return BatchAction::Version;
    }
    return std::nullopt;
}

ParsedArguments parseBatchArguments(const QStringList& arguments,
                                    const QSet<qsizetype>& undecodable)
{
    if (const std::optional<BatchAction> request = informationRequest(arguments))
        return {*request, {}, {}};

    ParsedArguments parsed;
    BatchOptions& options = parsed.options;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(u'-') || argument == QLatin1String("-")) {
            if (undecodable.contains(i))
                ++options.undecodablePaths;
            else
                options.paths.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (isFlag(name)) {
            if (equals >= 0)
                return usageError(
                    QCoreApplication::translate("BatchOptions", "%1 takes no value").arg(name));
            (name == QLatin1String("--keep-folders") ? options.keepFolders : options.skipExisting) =
                true;
            continue;
        }
        if (!takesValue(name))
            return usageError(
                QCoreApplication::translate("BatchOptions", "unknown option \"%1\"").arg(argument));
        QString value;
        if (equals >= 0) {
            value = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments.at(++i);
        } else {
            return usageError(
                QCoreApplication::translate("BatchOptions", "%1 needs a value").arg(name));
        }
        // Its text would name another file, or none.
        if (undecodable.contains(i))
            return usageError(
                QCoreApplication::translate("BatchOptions", "the value of %1 is not valid UTF-8")
                    .arg(name));
        const QString error = applyOption(name, value, options);
        if (!error.isEmpty())
            return usageError(error);
    }
    if (options.paths.isEmpty() && options.undecodablePaths == 0)
        return usageError(
            QCoreApplication::translate("BatchOptions", "no file or folder to convert"));
    if (options.keepFolders && options.outputFolder.isEmpty())
        return usageError(
            QCoreApplication::translate("BatchOptions", "--keep-folders needs --output-folder"));
    parsed.action = BatchAction::Convert;
    return parsed;
}

} // namespace brindlecast
