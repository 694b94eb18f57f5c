// SPDX-License-Identifier: GPL-3.0-or-later
// What a run converts and reports when the list changes under it, when an output's folder
// refuses writing, and when the input's own bit rate cannot be read for different reasons.
#include "convert/FakeRun.h"
#include "support/CaseName.h"

#include <QDir>
#include <QFile>

namespace brindlecast::test {
namespace {

struct ListChange {
    const char* name;
    std::function<void(QStringList& rows)> change;
};

class ListChangedDuringRun : public FakeRunFixture,
                             public ::testing::WithParamInterface<ListChange> {};

// Made while the second file converts: the run still converts exactly its three rows, in their
// order, each once; the changed list is what the next run converts.
TEST_P(ListChangedDuringRun, LeavesTheRunsOwnRowsAlone)
{
    const QStringList inputs = {makeWav(QStringLiteral("long0.wav")),
                                makeWav(QStringLiteral("long1.wav")),
                                makeWav(QStringLiteral("long2.wav"))};
    QStringList changed;
    m_onEncode = [&](const QString& input) {
        if (input == inputs[1]) {
            GetParam().change(m_rows.rows);
            changed = m_rows.rows;
        }
    };

    convert(inputs);

    QStringList encoded;
    for (const ProcessCommand& command : m_started)
        encoded.append(
            command.arguments.value(command.arguments.indexOf(QStringLiteral("-i")) + 1));
    EXPECT_EQ(encoded,
              (QStringList{QStringLiteral("file:") + inputs[0], QStringLiteral("file:") + inputs[1],
                           QStringLiteral("file:") + inputs[2]}));
    for (const QString& input : inputs)
        EXPECT_EQ(contentOf(outputOf(input)), QStringLiteral("whole output"));
    EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(errorBoxes().isEmpty()) << errorBoxes().join(u'\n').toStdString();
    EXPECT_EQ(m_rows.rows, changed);
}

INSTANTIATE_TEST_SUITE_P(
    FakeRows, ListChangedDuringRun,
    ::testing::Values(
        ListChange{"RowDraggedBelowTheLast", [](QStringList& rows) { rows.move(0, 2); }},
        ListChange{"RowRemoved", [](QStringList& rows) { rows.removeAt(0); }},
        ListChange{"ListCleared", [](QStringList& rows) { rows.clear(); }},
        ListChange{"RowAdded", [](QStringList& rows) { rows.prepend(QStringLiteral("/x.wav")); }}),
    CaseName());

using OutputFolder = FakeRunFixture;

// A folder that refuses writing is named as the reason before anything is deleted or run; the
// other folders are written as ever.
TEST_F(OutputFolder, ThatRefusesWritingIsTheReason)
{
    ASSERT_TRUE(QDir(m_work.path()).mkpath(QStringLiteral("locked")));
    const QString locked = makeWav(QStringLiteral("locked/a.wav"));
    const QString open = makeWav(QStringLiteral("b.wav"));
    writeOldOutput(locked);
    m_fileSystem.unwritable.insert(m_work.filePath(QStringLiteral("locked")));

    convert({locked, open});

    EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.\r\n\r\n1 of 2 files failed:\r\n") +
                                   locked + QStringLiteral(" - cannot write into ") +
                                   m_work.filePath(QStringLiteral("locked")) +
                                   QStringLiteral(" (permission denied)")});
    EXPECT_EQ(contentOf(outputOf(locked)), kOldOutput);
    EXPECT_EQ(m_started.size(), 1);
    EXPECT_EQ(contentOf(outputOf(open)), QStringLiteral("whole output"));
}

using InputBitRate = FakeRunFixture;

// The same cause on many files gives one box; a new cause gives its own. Every such file is
// converted at the list's rate and counted once in the closing message.
TEST_F(InputBitRate, EachDistinctReadFailureIsShownOnce)
{
    m_choices.constantBitRate = false;
    m_choices.sameBitRateAsInput = true;
    MediaInfoLibrary missing(QStringLiteral("libmediainfo-not-installed.so.0"));
    // About 33,600 kbps, more than the rounding to a rate can hold.
    const QStringList inputs = {makeWav(QStringLiteral("fast1.wav"), 0.02, 2100000),
                                makeWav(QStringLiteral("fast2.wav"), 0.02, 2100000),
                                makeWav(QStringLiteral("plain1.wav")),
                                makeWav(QStringLiteral("plain2.wav"))};
    m_onEncode = [&](const QString& input) {
        if (input == inputs[1])
            m_library = &missing;
    };

    convert(inputs);

    const QStringList errors = errorBoxes();
    ASSERT_EQ(errors.size(), 2) << errors.join(u'\n').toStdString();
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Overflow\r\n"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[1].contains(QStringLiteral("libmediainfo-not-installed.so.0")));
    for (const QString& error : errors)
        EXPECT_TRUE(error.contains(QStringLiteral("at line 146"))) << error.toStdString();
    EXPECT_EQ(m_boxes, QStringList{QStringLiteral("Done.\r\n\r\n4 files were converted at the "
                                                  "list's rate of 64 kbps, because their own bit "
                                                  "rate could not be read.")});
    EXPECT_EQ(m_started.size(), 4);
}

} // namespace
} // namespace brindlecast::test
