// SPDX-License-Identifier: GPL-3.0-or-later
// "Start Converting" through its click handler in the two modes the other tests do not drive:
// "Save results to this folder:" and "Use same bit rate as input file" with the real MediaInfo.
#include "convert/ConversionFixture.h"
#include "core/PointerKind.h"
#include "filelist/FileListView.h"
#include "platform/EncoderStore.h"
#include "support/QtPrinters.h"
#include "support/TmpfsMount.h"

#include <QDir>
#include <QFile>

namespace brindlecast::test {
namespace {

class SaveToFolder : public ConversionFixture {
protected:
    // Clicks with the given rows and folder text; expects only the message, the pointer never
    // touched, nothing put in place or run.
    void expectOnlyTheMessage(const QStringList& rows, const QString& folderText,
                              const QString& message)
    {
        m_form->ListView1->removeAllRows();
        for (const QString& row : rows)
            m_form->ListView1->appendRow(row);
        saveToFolder(folderText);
        m_platform.scripted.messages.clear();
        m_form->setMousePointer(PointerCustom);
        QList<int> pointers;
        const auto watch = QObject::connect(m_form.get(), &Form1::mousePointerChanged,
                                            [&](int kind) { pointers.append(kind); });

        clickStartConverting();

        QObject::disconnect(watch);
        ASSERT_EQ(m_platform.scripted.messages.size(), 1) << folderText.toStdString();
        const MessageRequest& box = m_platform.scripted.messages[0];
        EXPECT_EQ(box.text, message);
        EXPECT_EQ(box.title, QStringLiteral("Brindlecast"));
        EXPECT_EQ(box.icon, MessageIcon::None);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_TRUE(pointers.isEmpty()) << folderText.toStdString();
        EXPECT_EQ(m_form->mousePointer(), PointerCustom);
        EXPECT_TRUE(temporaryFolderContents().isEmpty());
        EXPECT_TRUE(m_platform.started.isEmpty());
        EXPECT_FALSE(m_form->conversion().isConverting());
    }
};

TEST_F(SaveToFolder, NoRowsOrNoFolderOnlySaySo)
{
    const QString input = makeWav(QStringLiteral("a.wav"));
    const QString missing = workPath(QStringLiteral("missing"));
    const QString noFiles = QStringLiteral("No files added.");
    const QString noFolder = QStringLiteral("Folder does not exist. Please select another folder.");

    expectOnlyTheMessage({}, m_work.path(), noFiles);
    expectOnlyTheMessage({}, missing, noFiles); // the list is looked at first
    expectOnlyTheMessage({input}, missing, noFolder);
    expectOnlyTheMessage({input}, QString(), noFolder);
    expectOnlyTheMessage({input}, input, noFolder); // a file is no folder
    expectOnlyTheMessage({input},
                         m_work.path() + QStringLiteral("/caf") + QChar::ReplacementCharacter,
                         QStringLiteral("The folder's name is not valid UTF-8. Please select "
                                        "another folder."));
    EXPECT_FALSE(QFile::exists(aacBeside(input)));
}

// An encoder that, as some builds do, ends with 0 when its output could not be closed.
TEST_F(SaveToFolder, AFullDiskIsSaidToBeFull)
{
    const QString full = workPath(QStringLiteral("full"));
    ASSERT_TRUE(QDir().mkpath(full));
    TmpfsMount mount(full, "size=4k");
    if (!mount.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    {
        QFile filler(full + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(4096, 'x'));
    }
    m_platform.encoderBytes =
        "#!/bin/sh\n'" + QFile::encodeName(installedEncoderPath()) + "' \"$@\"\nexit 0\n";
    const QString input = makeWav(QStringLiteral("a.wav"));
    prepare({input}, QStringLiteral("64 kbps"), false);
    saveToFolder(full);

    clickStartConverting();

    const QStringList closing = closingMessages();
    ASSERT_EQ(closing.size(), 1);
    EXPECT_TRUE(closing[0].contains(input + QStringLiteral(" - the encoder wrote no output: ")))
        << closing[0].toStdString();
    EXPECT_TRUE(closing[0].endsWith(QStringLiteral(": No space left on device")))
        << closing[0].toStdString();
    EXPECT_EQ(QDir(full).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("filler")});
}

TEST_F(SaveToFolder, ResultsGoIntoTheChosenFolder)
{
    QDir work(m_work.path());
    ASSERT_TRUE(work.mkpath(QStringLiteral("in/deeper")) && work.mkpath(QStringLiteral("out")));
    const QString first = makeWav(QStringLiteral("in/first.wav"), {8000, 1, 16, 1.0});
    const QString second = makeWav(QStringLiteral("in/deeper/x.y.wav"), {22050, 2, 16, 1.5});
    prepare({first, second}, QStringLiteral("96 kbps"), false);

    for (const QString& folderText :
         {workPath(QStringLiteral("out")), workPath(QStringLiteral("out/"))}) {
        m_platform.scripted.messages.clear();
        saveToFolder(folderText);

        clickStartConverting();

        EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
        EXPECT_TRUE(isAacOf(workPath(QStringLiteral("out/first.aac")), 1.0, 96));
        EXPECT_TRUE(isAacOf(workPath(QStringLiteral("out/x.y.aac")), 1.5, 96));
        EXPECT_TRUE(encodes(lastEncode(), encoderUsed(), second, QStringLiteral("96k"),
                            workPath(QStringLiteral("out/x.y.aac"))));
        EXPECT_FALSE(QFile::exists(aacBeside(first)) || QFile::exists(aacBeside(second)));
        EXPECT_EQ(m_form->mousePointer(), PointerDefault);
    }
}

using RateOfInput = ConversionFixture;

// Each file at its own overall bit rate as MediaInfo reads it (header included, rounded to
// whole kilobits), never the list's entry.
TEST_F(RateOfInput, EachFileAtItsOwnRate)
{
    const QString narrow = makeWav(QStringLiteral("narrow.wav"), {8000, 1, 8, 2.0});
    const QString mono = makeWav(QStringLiteral("mono.wav"), {16000, 1, 16, 2.0});
    const QString stereo = makeWav(QStringLiteral("stereo.wav"), {22050, 2, 8, 2.0});
    prepare({narrow, mono, stereo}, QStringLiteral("8 kbps"), true);

    clickStartConverting();

    QStringList rates;
    for (const ProcessCommand& command : m_platform.started) {
        const qsizetype at = command.arguments.indexOf(QStringLiteral("-ab"));
        if (at >= 0)
            rates.append(command.arguments.value(at + 1));
    }
    EXPECT_EQ(rates,
              (QStringList{QStringLiteral("64k"), QStringLiteral("256k"), QStringLiteral("353k")}));
    EXPECT_EQ(closingMessages(), QStringList{QStringLiteral("Done.")});
    EXPECT_TRUE(messagesTitled(QStringLiteral("Application Error")).isEmpty());
    // The encoder holds each rate to what the format can carry; the plausible size allows that.
    EXPECT_TRUE(isAacOf(aacBeside(narrow), 2.0, 64));
    EXPECT_TRUE(isAacOf(aacBeside(mono), 2.0, 256));
    EXPECT_TRUE(isAacOf(aacBeside(stereo), 2.0, 353));
}

} // namespace
} // namespace brindlecast::test
