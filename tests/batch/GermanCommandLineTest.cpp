// SPDX-License-Identifier: GPL-3.0-or-later
// Under a German locale the command line speaks German: the help, a usage error, the reasons and
// the summary; only the per-file lines' leading words stay English, for scripts.
#include "batch/CommandLineFixture.h"
#include "support/EnvironmentGuard.h"

#include <QFile>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

class GermanCommandLine : public CommandLineFixture {
protected:
    void useGerman()
    {
        m_language.set("de");
        m_lang.set("de_DE.UTF-8");
        m_all.unset();
        m_messages.unset();
    }

    EnvironmentGuard m_language{"LANGUAGE"};
    EnvironmentGuard m_lang{"LANG"};
    EnvironmentGuard m_all{"LC_ALL"};
    EnvironmentGuard m_messages{"LC_MESSAGES"};
};

TEST_F(GermanCommandLine, HelpAndUsageErrorsAreGerman)
{
    const Result englishHelp = run({QStringLiteral("--help")});
    const Result englishError = run({QStringLiteral("--convert"), QStringLiteral("--bogus")});
    useGerman();
    const Result help = run({QStringLiteral("--help")});
    const Result error = run({QStringLiteral("--convert"), QStringLiteral("--bogus")});

    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Aufruf: brindlecast-studio")))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--output-folder"))) << help.out.toStdString();
    EXPECT_NE(help.out, englishHelp.out);
    EXPECT_EQ(error.status, englishError.status);
    EXPECT_TRUE(error.err.contains(QStringLiteral("unbekannte Option"))) << error.err.toStdString();
    EXPECT_TRUE(error.err.contains(QStringLiteral("--bogus"))) << error.err.toStdString();
    EXPECT_NE(error.err, englishError.err);
}

TEST_F(GermanCommandLine, PerFileLinesKeepTheirEnglishLeadingWord)
{
    const QString good = makeWav(QStringLiteral("gut.wav"));
    const QString missing = workPath(QStringLiteral("fehlt.wav"));
    useGerman();
    const Result result = run({QStringLiteral("--convert"), good, missing});

    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.out.contains(QStringLiteral("converted ") + good))
        << result.out.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("failed ") + missing + u':'))
        << result.err.toStdString();
    // Everything after the leading words is German: the reason and the summary.
    EXPECT_TRUE(result.err.contains(QStringLiteral("Quelldatei"))) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("1 von 2 Dateien konvertiert")))
        << result.out.toStdString();
    EXPECT_TRUE(QFile::exists(workPath(QStringLiteral("gut.aac"))));
}

} // namespace
} // namespace brindlecast::test
