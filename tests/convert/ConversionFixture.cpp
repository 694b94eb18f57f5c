// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ConversionFixture.h"

#include "filelist/FileListView.h"
#include "support/ForwardingChildProcess.h"
#include "support/PartialFiles.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

namespace brindlecast::test {

std::unique_ptr<ChildProcess> ConvertPlatform::createChildProcess()
{
    ForwardingChildProcess::Observer observer;
    const auto command = std::make_shared<ProcessCommand>();
    observer.starting = [this, command](const ProcessCommand& starting) {
        started.append(starting);
        *command = starting;
    };
    observer.started = [this](const ProcessCommand& starting, int) {
        if (onStart)
            onStart(starting);
    };
    observer.waited = [this, command](bool) {
        if (onWait)
            onWait(*command);
    };
    return std::make_unique<ForwardingChildProcess>(TestPlatform::createChildProcess(),
                                                    std::move(observer));
}

void ConvertPlatform::endProcessNow()
{
    TestPlatform::endProcessNow();
    exitCleanup().drain();
    if (onEndProcess)
        onEndProcess();
}

void ConversionFixture::SetUp()
{
    ASSERT_TRUE(m_temp.isValid() && m_work.isValid());
    m_tempVariable.set(QFile::encodeName(m_temp.path()));
    // One file at a time, as the runs these tests describe were made; the tests of several at
    // once set their own number.
    m_settings.setValue(QStringLiteral("Encoders At Once"), QStringLiteral("1"));
    openWindow(Shown::Yes);
    m_platform.scripted.messages.clear();
}

QString ConversionFixture::makeWav(const QString& name, const WavFormat& format)
{
    const QString path = workPath(name);
    EXPECT_TRUE(writeWav(path, format)) << path.toStdString();
    return path;
}

void ConversionFixture::prepare(const QStringList& paths, const QString& entry, bool rateOfInput)
{
    for (const QString& path : paths)
        m_form->ListView1->appendRow(path);
    m_form->Combo1->setCurrentIndex(m_form->Combo1->findText(entry));
    ASSERT_EQ(m_form->Combo1->currentText(), entry);
    (rateOfInput ? m_form->Option1 : m_form->Option2)->setChecked(true);
    m_form->Option4->setChecked(true);
}

void ConversionFixture::saveToFolder(const QString& folderText)
{
    m_form->Option3->setChecked(true);
    m_form->Text1->setText(folderText);
}

void ConversionFixture::clickStartConverting()
{
    QTest::mouseClick(m_form->PushButton2, Qt::LeftButton);
}

QStringList ConversionFixture::messagesTitled(const QString& title) const
{
    QStringList texts;
    for (const MessageRequest& message : m_platform.scripted.messages) {
        if (message.title == title)
            texts.append(message.text);
    }
    return texts;
}

int ConversionFixture::encodesStarted() const
{
    return int(std::count_if(m_platform.started.begin(), m_platform.started.end(),
                             [](const ProcessCommand& command) {
                                 return command.arguments.contains(QStringLiteral("-ab"));
                             }));
}

QString ConversionFixture::encoderUsed() const
{
    for (qsizetype i = m_platform.started.size() - 1; i >= 0; --i) {
        const ProcessCommand& command = m_platform.started[i];
        if (!command.arguments.contains(QStringLiteral("-ab")))
            continue;
        const QFileInfo encoder(command.program);
        EXPECT_EQ(QFileInfo(encoder.path()).path(), m_temp.path());
        EXPECT_TRUE(
            QFileInfo(encoder.path()).fileName().startsWith(QStringLiteral("brindlecast-")));
        return command.program;
    }
    ADD_FAILURE() << "no encode was started";
    return {};
}

ProcessCommand ConversionFixture::lastEncode() const
{
    for (qsizetype i = m_platform.started.size() - 1; i >= 0; --i) {
        if (m_platform.started[i].arguments.contains(QStringLiteral("-ab")))
            return m_platform.started[i];
    }
    ADD_FAILURE() << "no encode was started";
    return {};
}

QStringList ConversionFixture::temporaryFolderContents() const
{
    QStringList found;
    QDirIterator it(m_temp.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    return found;
}

QString aacBeside(const QString& wav)
{
    return wav.left(wav.lastIndexOf(u'.')) + QStringLiteral(".aac");
}

QStringList partialsBeside(const QString& path)
{
    return partialFilesIn(QFileInfo(path).path());
}

bool partialMadeBeside(const QString& path)
{
    return partialMadeIn(QFileInfo(path).path());
}

::testing::AssertionResult encodes(const ProcessCommand& command, const QString& encoder,
                                   const QString& input, const QString& rate, const QString& output)
{
    const QStringList head{QStringLiteral("-i"),      QStringLiteral("file:") + input,
                           QStringLiteral("-ab"),     rate,
                           QStringLiteral("-acodec"), QStringLiteral("aac")};
    const QString partial = command.arguments.value(command.arguments.size() - 1);
    const QString folder = output.left(output.lastIndexOf(u'/') + 1);
    // "<folder>.brindlecast-<16 hex digits>/part", a private folder beside the output.
    const bool besideOutput =
        partial.startsWith(QStringLiteral("file:") + folder + QStringLiteral(".brindlecast-")) &&
        partial.endsWith(QStringLiteral("/part")) &&
        partial.mid(5 + folder.size()).count(u'/') == 1;
    if (command.program == encoder && command.arguments.mid(0, head.size()) == head && besideOutput)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << command.program.toStdString() << ' ' << command.arguments.join(u' ').toStdString()
           << " does not encode " << input.toStdString() << " at " << rate.toStdString()
           << " beside " << output.toStdString();
}

::testing::AssertionResult isAacOf(const QString& path, double seconds, int kbps)
{
    const AdtsSummary adts = readAdts(path);
    if (!adts.valid)
        return ::testing::AssertionFailure() << path.toStdString() << " is not an ADTS stream";
    // The encoder adds up to a frame or two of priming and padding.
    if (adts.seconds() < seconds - 0.05 || adts.seconds() > seconds + 0.2) {
        return ::testing::AssertionFailure()
               << path.toStdString() << " lasts " << adts.seconds() << " s, not " << seconds;
    }
    const double ceiling = kbps * 1000.0 / 8 * adts.seconds() * 1.15 + 7.0 * adts.frames;
    const double floor = kbps * 1000.0 / 8 * seconds * 0.25;
    if (adts.bytes > ceiling || adts.bytes < floor) {
        return ::testing::AssertionFailure() << path.toStdString() << " has " << adts.bytes
                                             << " bytes, implausible for " << kbps << " kbps";
    }
    return ::testing::AssertionSuccess();
}

} // namespace brindlecast::test
