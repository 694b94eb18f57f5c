#include "convert/ProcessRunner.h"

#include "app/TextProgressBar.h"
#include "convert/ConvertPlatform.h"
#include "convert/ProgressAnimation.h"
#include "platform/Failure.h"
#include "platform/QtChildProcess.h"

#include <gtest/gtest.h>

namespace brindlecast::test {

namespace {

struct BandCase {
    int fileCount;
    int file;
    double step;
    double cap;
};

class ProgressBandTest : public ::testing::TestWithParam<BandCase> {};

// The start value of file i of n is i/n of the bar, as the run sets it.
TEST_P(ProgressBandTest, MatchesTheWorkedValues)
{
    const BandCase c = GetParam();
    const int start = int(std::nearbyint(100.0 * c.file / c.fileCount));
    const ProgressBand band = progressBand(start, c.fileCount);
    EXPECT_EQ(band.step, c.step);
    EXPECT_EQ(band.cap, c.cap);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, ProgressBandTest,
                         ::testing::Values(BandCase{4, 1, 2, 48},   // 2.5 rounds to 2
                                           BandCase{10, 3, 1, 39},  //
                                           BandCase{1, 1, 10, 190}, // past the end of the bar
                                           BandCase{20, 5, 0, 30},  // 0.5 rounds to 0
                                           BandCase{40, 40, 0, 102}));

TEST(ProgressAnimation, ValueMovesEvery150CyclesUpToTheCap)
{
    const ProgressBand band = progressBand(25, 4);
    EXPECT_EQ(progressValueAt(0, 25, band), 25);
    EXPECT_EQ(progressValueAt(150, 25, band), 27);
    EXPECT_EQ(progressValueAt(300, 25, band), 29);
    EXPECT_EQ(progressValueAt(150 * 11, 25, band), 47);
    EXPECT_EQ(progressValueAt(150 * 12, 25, band), 48);
    EXPECT_EQ(progressValueAt(150 * 40, 25, band), 48);
    EXPECT_TRUE(isValueStep(0));
    EXPECT_TRUE(isValueStep(300));
    EXPECT_FALSE(isValueStep(149));
}

TEST(ProgressAnimation, WithoutFileCountTheBandRunsToTheTop)
{
    const ProgressBand band = progressBand(35, std::nullopt);
    EXPECT_EQ(band.step, 6); // 6.5 rounds to 6
    EXPECT_EQ(band.cap, 94);
    EXPECT_THROW(progressBand(0, 0), Failure);
}

TEST(ProgressAnimation, WaitTextAndWindowStyle)
{
    EXPECT_EQ(waitText(QStringLiteral("Processing: a.wav"), 0),
              QStringLiteral("Processing: a.wav, Please wait.. 0"));
    EXPECT_EQ(waitText(QString(), 12), QStringLiteral("Please wait.. 12"));
    EXPECT_EQ(normaliseWindowStyle(std::nullopt), 6);
    EXPECT_EQ(normaliseWindowStyle(-1), 6);
    EXPECT_EQ(normaliseWindowStyle(7), 6);
    EXPECT_EQ(normaliseWindowStyle(0), 0);
    EXPECT_EQ(normaliseWindowStyle(3), 3);
}

struct Seen {
    int wait;
    QString text;
    int value;
};

// Runs a fake child that ends after `waits` waits and records the bar at every wait.
QList<Seen> runFake(FakeChildProcess& child, TextProgressBar& bar, const QString& base,
                    std::optional<int> start, std::optional<int> files, int* result = nullptr)
{
    QList<Seen> seen;
    child.onWait = [&](int wait) { seen.append({wait, bar.text(), bar.wholeValue()}); };
    const int code = RunProcessWithProgress(child, {QStringLiteral("/bin/encoder"), {}}, 0, &bar,
                                            base, start, files);
    if (result)
        *result = code;
    return seen;
}

TEST(RunProcessWithProgress, CounterFromCycle50AndValueStepsEvery150)
{
    TextProgressBar bar;
    bar.setRealValue(25);
    bar.setText(QStringLiteral("Processing: a.wav"));
    FakeChildProcess child;
    child.waitsBeforeEnd = 360;
    child.code = 7;
    int result = 0;
    const QList<Seen> seen = runFake(child, bar, bar.text(), 25, 4, &result);

    ASSERT_EQ(seen.size(), 361);
    EXPECT_EQ(seen[49].text, QStringLiteral("Processing: a.wav")); // after 49 cycles
    EXPECT_EQ(seen[50].text, QStringLiteral("Processing: a.wav, Please wait.. 0"));
    EXPECT_EQ(seen[51].text, QStringLiteral("Processing: a.wav, Please wait.. 1"));
    EXPECT_EQ(seen[50].value, 25);
    EXPECT_EQ(seen[199].value, 25);
    EXPECT_EQ(seen[200].value, 27);
    EXPECT_EQ(seen[349].value, 27);
    EXPECT_EQ(seen[350].value, 29);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(bar.text(), QStringLiteral("Processing: a.wav"));
    EXPECT_EQ(child.windowStyle, 0);
}

TEST(RunProcessWithProgress, EmptyBaseTextEndsAsProgressBarAndManyFilesKeepTheValue)
{
    TextProgressBar bar;
    bar.setRealValue(5);
    FakeChildProcess child;
    child.waitsBeforeEnd = 210;
    const QList<Seen> seen = runFake(child, bar, QString(), 5, 20);
    EXPECT_EQ(seen[60].text, QStringLiteral("Please wait.. 10"));
    EXPECT_EQ(seen[210].value, 5);
    EXPECT_EQ(bar.text(), QStringLiteral("Progress Bar"));
}

TEST(RunProcessWithProgress, LastFileMayPassTheTopOfTheBar)
{
    TextProgressBar bar;
    FakeChildProcess child;
    child.waitsBeforeEnd = 50 + 150 * 12 + 1;
    runFake(child, bar, QStringLiteral("x"), 100, 1);
    EXPECT_EQ(bar.wholeValue(), 190);
    EXPECT_EQ(bar.value(), 100);
}

TEST(RunProcessWithProgress, StartFailureReturnsAtOnceAndLeavesTheBar)
{
    TextProgressBar bar;
    bar.setText(QStringLiteral("before"));
    bar.setRealValue(40);
    FakeChildProcess child;
    child.startFailure = 53;
    int result = 0;
    const QList<Seen> seen = runFake(child, bar, QStringLiteral("base"), 40, 2, &result);
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_EQ(result, 53 - 2147221504);
    EXPECT_TRUE(isStartFailureResult(result));
    EXPECT_EQ(bar.text(), QStringLiteral("before"));
    EXPECT_EQ(bar.wholeValue(), 40);
}

TEST(RunProcessWithProgress, RealChildrenExitCodesAndStartFailures)
{
    QtChildProcess missing;
    EXPECT_EQ(RunProcessWithProgress(missing, {QStringLiteral("/nonexistent/encoder"), {}}),
              startFailureResult(53));

    QtChildProcess failing;
    EXPECT_EQ(RunProcessWithProgress(
                  failing, {QStringLiteral("/bin/sh"),
                            {QStringLiteral("-c"), QStringLiteral("echo first >&2; echo last >&2; "
                                                                  "exit 4")}}),
              4);
    EXPECT_EQ(failing.errorOutputTail(), QStringLiteral("first\nlast\n"));

    // The input channel is closed: a child that reads an answer gets end-of-file at once.
    QtChildProcess asking;
    EXPECT_EQ(RunProcessWithProgress(
                  asking, {QStringLiteral("/bin/sh"),
                           {QStringLiteral("-c"),
                            QStringLiteral("read answer; test -z \"$answer\" && exit 9")}}),
              9);

    // Arguments arrive untouched, whatever they hold.
    QtChildProcess echo;
    const QString odd = QStringLiteral("-x \"q\" $HOME; `id` Ω\nz");
    ASSERT_EQ(RunProcessWithProgress(
                  echo, {QStringLiteral("/usr/bin/printf"), {QStringLiteral("%s"), odd}}),
              0);
    EXPECT_EQ(QString::fromUtf8(echo.standardOutput()), odd);
}

} // namespace

} // namespace brindlecast::test
