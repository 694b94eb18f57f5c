// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/FakeRun.h"

#include "wav/WavFile.h"

#include <QFile>

namespace brindlecast::test {

FakeRunFixture::FakeRunFixture()
{
    m_choices.constantBitRate = true;
    m_choices.bitRateEntry = QStringLiteral("64 kbps");
    m_choices.saveBesideInput = true;
    m_children.scriptFor = [this](const ProcessCommand& command) {
        if (command.arguments.contains(QStringLiteral("-encoders"))) {
            ++m_encoderQuestions;
            ChildScript script;
            script.standardOutput = m_encoderList;
            return script;
        }
        m_started.append(command);
        if (m_onEncode)
            m_onEncode(command.arguments.value(command.arguments.indexOf(QStringLiteral("-i")) + 1)
                           .mid(5)); // after "file:"
        if (m_encodes.empty())
            return ChildScript{0, 0, {}, QByteArray("whole output"), 0};
        const ChildScript next = m_encodes.front();
        m_encodes.pop_front();
        return next;
    };
    ConversionServices services{m_dialogs,
                                m_fileSystem,
                                m_folders,
                                m_exitCleanup,
                                m_outputs,
                                [this]() -> MediaInfoLibrary& { return *m_library; },
                                [this] { return m_children.create(); },
                                [this] { return m_temp.path(); },
                                [] { return QStringLiteral("64"); },
                                [](int build) { return QByteArray::number(build); },
                                [this] { return m_encoderSource; },
                                &m_cache};
    m_run = std::make_unique<ConversionRun>(
        ConversionTargets{std::move(services), m_rows, m_bar, m_pointer,
                          [this](const QString& text) { m_boxes.append(text); }});
}

QString FakeRunFixture::makeWav(const QString& name, double seconds, int sampleRate)
{
    const QString path = m_work.filePath(name);
    EXPECT_TRUE(writeWav(path, {sampleRate, 1, 16, seconds})) << path.toStdString();
    return path;
}

QString FakeRunFixture::outputOf(const QString& input)
{
    return input.left(input.lastIndexOf(u'.')) + QStringLiteral(".aac");
}

void FakeRunFixture::writeOldOutput(const QString& input)
{
    QFile old(outputOf(input));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(kOldOutput.toUtf8());
}

QString FakeRunFixture::contentOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(missing)");
    return QString::fromUtf8(file.readAll());
}

void FakeRunFixture::convert(const QStringList& inputs)
{
    m_rows.rows = inputs;
    m_run->start(m_choices);
}

QStringList FakeRunFixture::errorBoxes() const
{
    return m_dialogs.messageTexts();
}

} // namespace brindlecast::test
