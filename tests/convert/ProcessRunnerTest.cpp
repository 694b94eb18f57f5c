// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ProcessRunner.h"

#include "app/TextProgressBar.h"
#include "core/ProgressAnimation.h"
#include "platform/QtChildProcess.h"
#include "support/ScriptedChild.h"

#include <gtest/gtest.h>
#include <memory>

namespace brindlecast::test {

namespace {

using Seen = std::pair<QString, int>; // the bar's text and value at one wait

// Runs a scripted child that ends with exit code 7 after the given waits (or cannot start),
// recording the bar at each wait.
QList<Seen> run(ChildScript script, TextProgressBar& bar, int start, int files, int& result)
{
    ScriptedChildren children;
    children.scriptFor = [script](const ProcessCommand&) { return script; };
    QList<Seen> seen;
    children.onWait = [&](const ProcessCommand&, bool) {
        seen.append({bar.text(), bar.wholeValue()});
    };
    const std::unique_ptr<ChildProcess> child = children.create();
    result = RunProcessWithProgress(*child, {QStringLiteral("/bin/encoder"), {}}, &bar, bar.text(),
                                    start, files);
    EXPECT_EQ(children.started.size(), 1);
    EXPECT_EQ(children.running, 0);
    return seen;
}

TEST(RunProcessWithProgress, CounterFromCycle50AndValueStepsEvery150)
{
    TextProgressBar bar;
    bar.setRealValue(25);
    bar.setText(QStringLiteral("Processing: a.wav"));
    int result = 0;
    const QList<Seen> seen = run({0, 7, {}, {}, 360}, bar, 25, 4, result);

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
    int result = 0;
    EXPECT_TRUE(run({53, 7, {}, {}, 0}, bar, 40, 2, result).isEmpty());
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
