#include "convert/ConversionFixture.h"

#include "filelist/FileListView.h"

#include <QComboBox>
#include <QDirIterator>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

namespace brindlecast::test {

namespace {

// Forwards to the real child and reports each start.
class WatchedChild final : public ChildProcess {
public:
    WatchedChild(std::unique_ptr<ChildProcess> inner, ConvertPlatform& platform)
        : m_inner(std::move(inner)), m_platform(platform)
    {
    }
    int start(const ProcessCommand& command, int windowStyle) override
    {
        m_platform.started.append(command);
        const int result = m_inner->start(command, windowStyle);
        if (m_platform.onStart)
            m_platform.onStart(command);
        return result;
    }
    bool waitForEnd(int timeoutMs) override { return m_inner->waitForEnd(timeoutMs); }
    int exitCode() const override { return m_inner->exitCode(); }
    QString errorOutputTail() const override { return m_inner->errorOutputTail(); }
    QByteArray standardOutput() const override { return m_inner->standardOutput(); }

private:
    std::unique_ptr<ChildProcess> m_inner;
    ConvertPlatform& m_platform;
};

} // namespace

std::unique_ptr<ChildProcess> ConvertPlatform::createChildProcess()
{
    return std::make_unique<WatchedChild>(TestPlatform::createChildProcess(), *this);
}

void ConversionFixture::SetUp()
{
    ASSERT_TRUE(m_temp.isValid() && m_work.isValid());
    if (qEnvironmentVariableIsSet("TEMP"))
        m_savedTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(m_temp.path()));
    m_form = std::make_unique<Form1>(m_platform);
    m_form->show();
    m_platform.scripted.messages.clear();
}

void ConversionFixture::TearDown()
{
    m_form.reset();
    m_savedTemp ? qputenv("TEMP", *m_savedTemp) : qunsetenv("TEMP");
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
