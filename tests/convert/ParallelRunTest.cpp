// SPDX-License-Identifier: GPL-3.0-or-later
// The window's run with several encoders at once, over scripted children: how many run, in
// which order the files start and are reported, what the bar shows, and what a stop leaves.
#include "convert/FakeRun.h"
#include "core/ProgressAnimation.h"
#include "support/CaseName.h"
#include "support/PartialFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace brindlecast::test {
namespace {

// The input an encoder was started on.
QString inputOf(const ProcessCommand& command)
{
    return command.arguments.value(command.arguments.indexOf(QStringLiteral("-i")) + 1).mid(5);
}

QStringList inputsOf(const QList<ProcessCommand>& commands)
{
    QStringList inputs;
    for (const ProcessCommand& command : commands) {
        if (!command.arguments.contains(QStringLiteral("-encoders")))
            inputs << inputOf(command);
    }
    return inputs;
}

class ParallelRun : public FakeRunFixture {
protected:
    QStringList makeWavs(const QStringList& names)
    {
        QStringList inputs;
        for (const QString& name : names)
            inputs << makeWav(name);
        return inputs;
    }

    QStringList partialsLeft() const { return partialFilesIn(m_work.path()); }

    static ChildScript whole(int waits) { return {0, 0, {}, QByteArray("whole output"), waits}; }
};

struct LimitCase {
    const char* name;
    int encodersAtOnce;
};

class ParallelRunLimit : public ParallelRun, public ::testing::WithParamInterface<LimitCase> {};

// The files start in the list's order as encoders free up, never more at once than chosen.
TEST_P(ParallelRunLimit, RunsAsManyEncodersAtOnceAsChosen)
{
    m_choices.encodersAtOnce = GetParam().encodersAtOnce;
    const QStringList inputs = makeWavs({QStringLiteral("a.wav"), QStringLiteral("b.wav"),
                                         QStringLiteral("c.wav"), QStringLiteral("d.wav")});
    m_encodes = {whole(3), whole(1), whole(2), whole(1)};

    convert(inputs);

    EXPECT_EQ(m_children.mostRunning, GetParam().encodersAtOnce);
    EXPECT_EQ(inputsOf(m_started), inputs);
    for (const QString& input : inputs)
        EXPECT_EQ(contentOf(outputOf(input)), QStringLiteral("whole output"));
    EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(partialsLeft().isEmpty());
    EXPECT_EQ(m_children.running, 0);
    EXPECT_TRUE(m_exitCleanup.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(ScriptedChild, ParallelRunLimit,
                         ::testing::Values(LimitCase{"One", 1}, LimitCase{"Two", 2},
                                           LimitCase{"Three", 3}),
                         CaseName());

// A later file that fails first is still said after the earlier one; the counts are those of
// a run of one file at a time.
TEST_F(ParallelRun, FailuresAreSaidInTheListsOrderHoweverTheEncodesEnd)
{
    m_choices.encodersAtOnce = 2;
    const QStringList inputs = makeWavs(
        {QStringLiteral("slow.wav"), QStringLiteral("quick.wav"), QStringLiteral("fine.wav")});
    const QString missing = m_work.filePath(QStringLiteral("missing.wav"));
    writeOldOutput(inputs[0]);
    m_encodes = {
        {0, 1, {}, QByteArray("partial"), 4}, {0, 137, {}, QByteArray("partial"), 0}, whole(0)};

    convert({inputs[0], inputs[1], missing, inputs[2]});

    ASSERT_EQ(inputsOf(m_children.ended), (QStringList{inputs[1], inputs[2], inputs[0]}));
    EXPECT_EQ(m_boxes,
              QStringList{QStringLiteral("Done.\r\n\r\n3 of 4 files failed:\r\n") + inputs[0] +
                          QStringLiteral(" - the encoder failed (exit code 1)\r\n") + inputs[1] +
                          QStringLiteral(" - the encoder failed (exit code 137)\r\n") + missing +
                          QStringLiteral(" - the input is missing or not a regular file")});
    EXPECT_EQ(contentOf(outputOf(inputs[0])), kOldOutput);
    EXPECT_FALSE(QFileInfo::exists(outputOf(inputs[1])));
    EXPECT_EQ(contentOf(outputOf(inputs[2])), QStringLiteral("whole output"));
    EXPECT_TRUE(partialsLeft().isEmpty());
}

// At each start the bar shows that file, its value the file's place in the run; after the last
// encode, whichever file ends last, the bar is cleared.
TEST_F(ParallelRun, TheBarShowsEachFileAsItStartsAndIsClearedAfterTheLast)
{
    m_choices.encodersAtOnce = 2;
    const QStringList inputs =
        makeWavs({QStringLiteral("a.wav"), QStringLiteral("long b.wav"), QStringLiteral("c.wav")});
    m_encodes = {whole(0), whole(3), whole(0)};
    QList<std::pair<double, QString>> atStarts;
    m_onEncode = [&](const QString&) { atStarts.append({m_bar.value, m_bar.shown}); };

    convert(inputs);

    ASSERT_EQ(atStarts.size(), 3);
    const QStringList names = {QStringLiteral("a.wav"), QStringLiteral("long b.wav"),
                               QStringLiteral("c.wav")};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(atStarts[i].first, (i + 1) * 100.0 / 3, 1e-9) << i;
        EXPECT_EQ(atStarts[i].second, QStringLiteral("Processing: ") + names[i]);
    }
    // "long b.wav" was still at work when "c.wav" started and ended.
    EXPECT_EQ(inputsOf(m_children.ended).last(), inputs[1]);
    EXPECT_EQ(m_bar.value, 0);
    EXPECT_EQ(m_bar.shown, QStringLiteral("Progress Bar"));
    EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.")});
}

// The "Please wait.. " counter, from the fiftieth wait on, is that of the file started last.
TEST_F(ParallelRun, TheWaitCounterFollowsTheFileStartedLast)
{
    m_choices.encodersAtOnce = 2;
    const QStringList inputs = makeWavs({QStringLiteral("first.wav"), QStringLiteral("last.wav")});
    m_encodes = {whole(kFirstCounterCycle + 4), whole(kFirstCounterCycle + 2)};
    QStringList counted;
    m_children.onWait = [&](const ProcessCommand&, bool) {
        if (m_bar.shown.contains(QStringLiteral("Please wait")) && !counted.contains(m_bar.shown))
            counted << m_bar.shown;
    };

    convert(inputs);

    ASSERT_FALSE(counted.isEmpty());
    for (const QString& text : counted)
        EXPECT_TRUE(text.startsWith(QStringLiteral("Processing: last.wav, Please wait.. ")))
            << text.toStdString();
    EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.")});
}

// A stop while two encoders run ends both and removes both partial outputs; what was finished
// stays, an old output stays, and no other file is started.
TEST_F(ParallelRun, StopEndsEveryRunningEncoderAndStartsNoMore)
{
    m_choices.encodersAtOnce = 2;
    const QStringList inputs = makeWavs({QStringLiteral("done.wav"), QStringLiteral("second.wav"),
                                         QStringLiteral("third.wav"), QStringLiteral("never.wav")});
    writeOldOutput(inputs[1]);
    m_encodes = {
        whole(0), {0, 0, {}, QByteArray("partial"), 50}, {0, 0, {}, QByteArray("partial"), 50}};
    bool stopped = false;
    m_children.onWait = [&](const ProcessCommand&, bool) {
        if (stopped || m_children.running < 2 || m_started.size() < 3)
            return;
        // Both partial outputs are being written.
        ASSERT_EQ(partialsLeft().size(), 2);
        stopped = true;
        m_run->stop();
    };

    convert(inputs);

    ASSERT_TRUE(stopped);
    EXPECT_EQ(inputsOf(m_children.endedNow), (QStringList{inputs[1], inputs[2]}));
    EXPECT_EQ(m_children.running, 0);
    EXPECT_EQ(inputsOf(m_started), (QStringList{inputs[0], inputs[1], inputs[2]}));
    EXPECT_TRUE(partialsLeft().isEmpty()) << partialsLeft().join(u' ').toStdString();
    EXPECT_EQ(contentOf(outputOf(inputs[0])), QStringLiteral("whole output"));
    EXPECT_EQ(contentOf(outputOf(inputs[1])), kOldOutput);
    EXPECT_FALSE(QFileInfo::exists(outputOf(inputs[2])));
    EXPECT_FALSE(QFileInfo::exists(outputOf(inputs[3])));
    EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Stopped.\r\n\r\n1 of 4 files were converted.")});
    EXPECT_TRUE(m_exitCleanup.isEmpty());
    EXPECT_EQ(m_folders.removed, m_folders.created);
    EXPECT_FALSE(m_run->isConverting());
}

} // namespace
} // namespace brindlecast::test
