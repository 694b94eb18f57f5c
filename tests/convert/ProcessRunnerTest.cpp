// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ProcessRunner.h"

#include "app/TextProgressBar.h"
#include "core/ProgressAnimation.h"
#include "platform/QtChildProcess.h"

#include <functional>
#include <gtest/gtest.h>

namespace brindlecast::test {

namespace {

// Ends after a chosen number of waits, recording the bar at each; or cannot start at all.
class FakeChild : public ChildProcess {
public:
    int startFailure = 0;
    int waitsBeforeEnd = 0;
    std::function<void()> onWait;
    int waits = 0;

    int start(const ProcessCommand&) override { return startFailure; }
    bool waitForEnd(int) override
    {
        onWait();
        return waits++ >= waitsBeforeEnd;
    }
    void endNow() override {}
    int exitCode() const override { return 7; }
    QString errorOutputTail() const override { return {}; }
    QByteArray standardOutput() const override { return {}; }
};

using Seen = std::pair<QString, int>; // the bar's text and value at one wait

QList<Seen> run(FakeChild& child, TextProgressBar& bar, int start, int files, int& result)
{
    QList<Seen> seen;
    child.onWait = [&] { seen.append({bar.text(), bar.wholeValue()}); };
    result = RunProcessWithProgress(child, {QStringLiteral("/bin/encoder"), {}}, &bar, bar.text(),
                                    start, files);
    return seen;
}

TEST(RunProcessWithProgress, CounterFromCycle50AndValueStepsEvery150)
{
    TextProgressBar bar;
    bar.setRealValue(25);
    bar.setText(QStringLiteral("Processing: a.wav"));
    FakeChild child;
    child.waitsBeforeEnd = 360;
    int result = 0;
    const QList<Seen> seen = run(child, bar, 25, 4, result);

    ASSERT_EQ(seen.size(), 361);
    EXPECT_EQ(seen[49].first, QStringLiteral("Processing: a.wav"));
    EXPECT_EQ(seen[51].first, QStringLiteral("Processing: a.wav, Please wait.. 1"));
    EXPECT_EQ(seen[199].second, 25);
    EXPECT_EQ(seen[200].second, 27);
    EXPECT_EQ(seen[350].second, 29);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(bar.text(), QStringLiteral("Processing: a.wav"));
}

TEST(RunProcessWithProgress, StartFailureReturnsAtOnceAndLeavesTheBar)
{
    TextProgressBar bar;
    bar.setText(QStringLiteral("before"));
    bar.setRealValue(40);
    FakeChild child;
    child.startFailure = 53;
    int result = 0;
    EXPECT_TRUE(run(child, bar, 40, 2, result).isEmpty());
    EXPECT_EQ(result, 53 - 2147221504);
    EXPECT_EQ(bar.text(), QStringLiteral("before"));
    EXPECT_EQ(bar.wholeValue(), 40);
}

TEST(RunProcessWithProgress, RealChildrenGetNoInputAndTheirArgumentsUntouched)
{
    // A child that waits for an answer gets end-of-file at once instead of hanging.
    QtChildProcess asking;
    EXPECT_EQ(RunProcessWithProgress(
                  asking, {QStringLiteral("/bin/sh"),
                           {QStringLiteral("-c"),
                            QStringLiteral("read answer; echo \"$answer\" >&2; exit 9")}}),
              9);
    EXPECT_EQ(asking.errorOutputTail(), QStringLiteral("\n"));

    QtChildProcess echo;
    const QString odd = QStringLiteral("-x \"q\" $HOME; `id` Ω\nz");
    ASSERT_EQ(RunProcessWithProgress(
                  echo, {QStringLiteral("/usr/bin/printf"), {QStringLiteral("%s"), odd}}),
              0);
    EXPECT_EQ(QString::fromUtf8(echo.standardOutput()), odd);
}

} // namespace

} // namespace brindlecast::test
