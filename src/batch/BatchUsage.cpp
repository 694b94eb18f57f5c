// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/BatchUsage.h"

#include "core/ConstantBitRates.h"

#include <QCoreApplication>

namespace brindlecast {

QString usageText()
{
    // The rates come from the table, so that the help lists what --bit-rate takes.
    const QString text = QCoreApplication::translate(
        "BatchUsage",
        "Usage: brindlecast-studio [FILE...]\n"
        "       brindlecast-studio --convert [OPTIONS] PATH...\n"
        "\n"
        "Without --convert the window opens, with the files given in its list.\n"
        "With --convert the WAV files and folders given are converted to AAC without a\n"
        "window, several at once; folders are searched with all their subfolders.\n"
        "\n"
        "Options of --convert:\n"
        "  --bit-rate same|KBPS   the input's own bit rate (the default), or one of\n"
        "                         %1\n"
        "  --output-folder DIR    write every output into DIR (it must exist);\n"
        "                         without it each output goes beside its input\n"
        "  --keep-folders         below DIR, keep each file's path below the folder given\n"
        "  --skip-existing        leave a whole output alone that is newer than its input\n"
        "  --jobs N               encoders at once (default: the usable processors)\n"
        "  --format aac|m4a       ADTS .aac (the default) or MP4 .m4a\n"
        "  --extension EXT        files taken from folders (default wav; * for all)\n"
        "  --help, --version\n"
        "  --                     every argument after it is a path\n"
        "\n"
        "One line per file: \"converted IN -> OUT\" or \"skipped IN (OUT is up to date)\"\n"
        "on standard output, \"failed IN: REASON\" on standard error. In these lines a\n"
        "backslash reads \\\\, a newline \\n, a tab \\t, a carriage return \\r and any\n"
        "other control character \\xHH (\\u{HHHH} above FF): every line is one file.\n"
        "\n"
        "Exit status: 0 all converted or skipped, 1 some failed, 2 usage error,\n"
        "3 the encoder could not be put in place,\n"
        "129/130/143 ended by SIGHUP/SIGINT/SIGTERM.\n");
    return text.arg(constantBitRatesAscendingText());
}

QString versionText()
{
    return QStringLiteral("%1 %2").arg(QLatin1String(kProgramName),
                                       QLatin1String(BRINDLECAST_VERSION));
}

} // namespace brindlecast
