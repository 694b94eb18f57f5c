#include "convert/ConversionFixture.h"

#include "app/ErrorReport.h"
#include "filelist/FileListView.h"

#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

namespace brindlecast::test {

void ConversionFixture::SetUp()
{
    ASSERT_TRUE(m_temp.isValid());
    ASSERT_TRUE(m_work.isValid());
    m_hadTemp = qEnvironmentVariableIsSet("TEMP");
    m_savedTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(m_temp.path()));
    m_form = std::make_unique<Form1>(m_platform);
    m_form->show();
    m_platform.scripted.messages.clear();
}

void ConversionFixture::TearDown()
{
    m_form.reset();
    if (m_hadTemp)
        qputenv("TEMP", m_savedTemp);
    else
        qunsetenv("TEMP");
}

QString ConversionFixture::workPath(const QString& name) const
{
    return m_work.filePath(name);
}

QString ConversionFixture::makeWav(const QString& name, const WavFormat& format)
{
    const QString path = workPath(name);
    EXPECT_TRUE(writeWav(path, format)) << path.toStdString();
    return path;
}

void ConversionFixture::addRows(const QStringList& paths)
{
    for (const QString& path : paths)
        m_form->ListView1->appendRow(path);
}

void ConversionFixture::useConstantRate(const QString& entry)
{
    m_form->Option2->setChecked(true);
    m_form->Combo1->setCurrentIndex(m_form->Combo1->findText(entry));
    ASSERT_EQ(m_form->Combo1->currentText(), entry);
}

void ConversionFixture::useRateOfInput(const QString& fallbackEntry)
{
    m_form->Combo1->setCurrentIndex(m_form->Combo1->findText(fallbackEntry));
    m_form->Option1->setChecked(true);
}

void ConversionFixture::saveBesideInput()
{
    m_form->Option4->setChecked(true);
}

void ConversionFixture::saveInto(const QString& folder)
{
    m_form->Option3->setChecked(true);
    m_form->Text1->setText(folder);
}

void ConversionFixture::clickStartConverting()
{
    QTest::mouseClick(m_form->PushButton2, Qt::LeftButton);
}

QStringList ConversionFixture::closingMessages() const
{
    QStringList texts;
    for (const MessageRequest& message : m_platform.scripted.messages) {
        if (message.title == m_form->applicationTitle())
            texts.append(message.text);
    }
    return texts;
}

QStringList ConversionFixture::errorBoxes() const
{
    QStringList texts;
    for (const MessageRequest& message : m_platform.scripted.messages) {
        if (message.title == QLatin1String(kApplicationErrorTitle))
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
