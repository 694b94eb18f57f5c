// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/OutputPlan.h"

#include "batch/BatchInputs.h"
#include "convert/OutputClaims.h"
#include "core/ErrorReport.h"
#include "platform/PosixFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brindlecast::test {
namespace {

// A music folder with odd names, two albums that both start with "01 Intro.wav", and files
// the scan leaves out.
class KeepFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_music = m_root.filePath(QStringLiteral("Music"));
        for (const QString& file :
             {QStringLiteral("top.WAV"), QStringLiteral("Artist \"A\"/Album 1/01 Intro.wav"),
              QStringLiteral("Artist \"A\"/Album 1/~draft.wav"),
              QStringLiteral("Artist \"A\"/Album 1/.hidden.wav"),
              QStringLiteral("B's/Album 2/01 Intro.wav"), QStringLiteral("-lead/ünï\ncode.wav"),
              QStringLiteral("-lead/notes.txt")})
            makeFile(file);
    }

    void makeFile(const QString& relative)
    {
        const QString path = m_music + u'/' + relative;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("RIFF");
    }

    QList<PlannedFile> plan(const BatchOptions& options)
    {
        SilentErrorBox errorBox;
        const QList<BatchInput> inputs = gatherInputs({QStringLiteral("Music")}, options.extension,
                                                      m_root.path(), m_fileSystem, errorBox);
        return planOutputs(inputs, options);
    }

    // What the run's claims say of each planned file, in order.
    QStringList clashes(const QList<PlannedFile>& planned) const
    {
        QStringList inputs;
        for (const PlannedFile& file : planned)
            inputs << file.input;
        OutputClaims claims(inputs, m_fileSystem);
        QStringList said;
        for (const PlannedFile& file : planned)
            said << claims.claim(file.input, file.output);
        return said;
    }

    QTemporaryDir m_root;
    QString m_music;
    PosixFileSystem m_fileSystem;
};

TEST_F(KeepFolders, EachFileKeepsItsPathBelowTheFolderGivenBreadthFirst)
{
    BatchOptions options;
    options.outputFolder = QStringLiteral("/out");
    options.keepFolders = true;
    const QList<PlannedFile> planned = plan(options);
    QStringList outputs;
    EXPECT_EQ(clashes(planned), QStringList(planned.size(), QString()));
    for (const PlannedFile& file : planned) {
        EXPECT_TRUE(file.input.startsWith(m_music + u'/'));
        outputs << file.output;
    }
    EXPECT_EQ(outputs, (QStringList{QStringLiteral("/out/top.aac"),
                                    QStringLiteral("/out/-lead/ünï\ncode.aac"),
                                    QStringLiteral("/out/Artist \"A\"/Album 1/01 Intro.aac"),
                                    QStringLiteral("/out/B's/Album 2/01 Intro.aac")}));
}

TEST_F(KeepFolders, WithoutItTheSecondIntroFailsNamingTheFirst)
{
    BatchOptions options;
    options.outputFolder = QStringLiteral("/out");
    options.format = OutputFormat::M4a;
    const QList<PlannedFile> planned = plan(options);
    ASSERT_EQ(planned.size(), 4);
    EXPECT_EQ(planned[2].output, QStringLiteral("/out/01 Intro.m4a"));
    EXPECT_EQ(planned[3].output, QStringLiteral("/out/01 Intro.m4a"));
    const QStringList said = clashes(planned);
    EXPECT_TRUE(said[2].isEmpty());
    EXPECT_EQ(said[3], QStringLiteral("its output /out/01 Intro.m4a is already written from %1")
                           .arg(m_music + QStringLiteral("/Artist \"A\"/Album 1/01 Intro.wav")));
}

TEST_F(KeepFolders, BesideTheInputsAnOutputThatIsAnotherInputIsNeverWritten)
{
    makeFile(QStringLiteral("top.aac"));
    BatchOptions options;
    options.extension = QStringLiteral("*");
    const QList<PlannedFile> planned = plan(options);
    ASSERT_GE(planned.size(), 2);
    EXPECT_EQ(planned[0].input, m_music + QStringLiteral("/top.aac"));
    EXPECT_EQ(planned[1].input, m_music + QStringLiteral("/top.WAV"));
    // The first writes over itself, which the engine refuses before it claims anything.
    EXPECT_EQ(clashes(planned).value(1),
              QStringLiteral("its output %1/top.aac is an input of this run").arg(m_music));
}

TEST(OutputPlan, FilesNamedDirectlyGoStraightIntoTheOutputFolderEvenWithKeepFolders)
{
    BatchOptions options;
    options.outputFolder = QStringLiteral("/out");
    options.keepFolders = true;
    EXPECT_EQ(plannedOutput({QStringLiteral("/a/b/x.y.wav"), QString()}, options),
              QStringLiteral("/out/x.y.aac"));
    options.outputFolder.clear();
    EXPECT_EQ(plannedOutput({QStringLiteral("/a/b/.wav"), QString()}, options),
              QStringLiteral("/a/b/.wav.aac"));
}

} // namespace
} // namespace brindlecast::test
