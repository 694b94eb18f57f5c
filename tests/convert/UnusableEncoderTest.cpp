// SPDX-License-Identifier: GPL-3.0-or-later
// Runs whose encoder cannot be put in place: nothing is deleted or run, and the cause is said
// once.
#include "convert/ConversionFixture.h"
#include "core/ErrorReport.h"
#include "platform/EncoderStore.h"
#include "support/TmpfsMount.h"

#include <QDir>
#include <QFile>

namespace brindlecast::test {
namespace {

class UnusableEncoder : public ConversionFixture {
protected:
    void SetUp() override
    {
        ConversionFixture::SetUp();
        for (const char* name : {"one.wav", "two.wav"}) {
            const QString input = makeWav(QString::fromLatin1(name));
            QFile old(aacBeside(input));
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("an earlier run's output");
            m_inputs.append(input);
        }
        prepare(m_inputs, QStringLiteral("64 kbps"), false);
    }

    // One error box at the failed step, the cause once in the closing message, the old outputs
    // untouched, no encoder written and nothing run.
    void expectNothingDeletedOrRun(const QString& cause, const QString& line)
    {
        const QStringList errors = messagesTitled(QLatin1String(kApplicationErrorTitle));
        ASSERT_EQ(errors.size(), 1) << errors.join(u'\n').toStdString();
        EXPECT_TRUE(errors[0].startsWith(cause + QStringLiteral("\r\n")))
            << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(QStringLiteral("at line ") + line))
            << errors[0].toStdString();
        EXPECT_EQ(closingMessages(),
                  QStringList{QStringLiteral("Done.\r\n\r\nNone of the 2 files was converted, "
                                             "because the encoder could not be put in place:\r\n") +
                              cause});
        for (const QString& input : m_inputs) {
            QFile old(aacBeside(input));
            ASSERT_TRUE(old.open(QIODevice::ReadOnly)) << input.toStdString();
            EXPECT_EQ(old.readAll(), QByteArray("an earlier run's output"));
        }
        EXPECT_TRUE(m_platform.started.isEmpty());
    }

    QStringList m_inputs;
};

TEST_F(UnusableEncoder, EncoderNotInstalled)
{
    EnvironmentGuard path("PATH", QFile::encodeName(m_work.filePath(QStringLiteral("no-bin"))));

    clickStartConverting();

    expectNothingDeletedOrRun(
        QStringLiteral("The ffmpeg encoder is not installed (not found on PATH)"),
        QStringLiteral("11")); // 114 or 116, by the processor
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

TEST_F(UnusableEncoder, AnEmptyEncoderOnPathIsSaidToBeEmpty)
{
    const QString bin = m_work.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    QFile empty(bin + QStringLiteral("/ffmpeg"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    ASSERT_TRUE(empty.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EnvironmentGuard path("PATH", QFile::encodeName(bin));

    clickStartConverting();

    expectNothingDeletedOrRun(
        QStringLiteral("The ffmpeg encoder %1 is an empty file").arg(empty.fileName()),
        QStringLiteral("11")); // 114 or 116, by the processor
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

TEST_F(UnusableEncoder, EmptyEncoderBytesAreNeverWrittenOrRun)
{
    m_platform.encoderBytes = QByteArray();

    clickStartConverting();

    expectNothingDeletedOrRun(QStringLiteral("There is no encoder to put in place"),
                              QStringLiteral("118"));
    EXPECT_TRUE(temporaryFolderContents().isEmpty());
}

TEST_F(UnusableEncoder, TemporaryFolderMissing)
{
    const QString missing = m_temp.filePath(QStringLiteral("gone"));
    EnvironmentGuard temp("TEMP", QFile::encodeName(missing));

    clickStartConverting();

    expectNothingDeletedOrRun(
        QStringLiteral("The temporary folder %1 does not exist; set TEMP to an existing folder")
            .arg(missing),
        QStringLiteral("118"));
}

// A temporary folder mounted noexec: the encoder's copy cannot run there.
class NoexecTemporaryFolder : public UnusableEncoder {
protected:
    void SetUp() override
    {
        UnusableEncoder::SetUp();
        m_noexec = m_temp.filePath(QStringLiteral("noexec"));
        ASSERT_TRUE(QDir().mkpath(m_noexec));
        m_mount = std::make_unique<TmpfsMount>(m_noexec, "size=64k,mode=0700", MS_NOEXEC);
        if (!m_mount->mounted())
            GTEST_SKIP() << "mounting a noexec folder is not permitted here";
        m_tempVariable.set(QFile::encodeName(m_noexec));
    }

    QString m_noexec;
    std::unique_ptr<TmpfsMount> m_mount;
    EnvironmentGuard m_tempVariable{"TEMP"};
};

// Only an installed encoder that nobody else can have changed is run instead; one reached
// through a folder of the user's is not.
TEST_F(NoexecTemporaryFolder, NoTrustworthyInstalledEncoderIsTheClearReason)
{
    const QString bin = m_work.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QFile::link(installedEncoderPath(), bin + QStringLiteral("/ffmpeg")));
    EnvironmentGuard path("PATH", QFile::encodeName(bin));

    clickStartConverting();

    expectNothingDeletedOrRun(QStringLiteral("The temporary folder %1 does not allow running "
                                             "programs; set TEMP to another folder")
                                  .arg(m_noexec),
                              QStringLiteral("118"));
    EXPECT_TRUE(QDir(m_noexec).isEmpty());
}

TEST_F(NoexecTemporaryFolder, RunsTheInstalledEncoderItself)
{
    clickStartConverting();

    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(messagesTitled(QLatin1String(kApplicationErrorTitle)).isEmpty());
    for (const QString& input : m_inputs)
        EXPECT_TRUE(isAacOf(aacBeside(input), 1.0, 64));
    ASSERT_FALSE(m_platform.started.isEmpty());
    EXPECT_EQ(m_platform.started.last().program, installedEncoderPath());
    EXPECT_TRUE(QDir(m_noexec).isEmpty());
}

} // namespace
} // namespace brindlecast::test
