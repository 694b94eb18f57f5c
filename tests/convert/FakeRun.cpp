// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/FakeRun.h"

#include "core/ErrorNumbers.h"
#include "core/ErrorReport.h"
#include "wav/WavFile.h"

#include <QFile>

namespace brindlecast::test {

int FakeChild::start(const ProcessCommand& command)
{
    m_script = m_scriptFor(command);
    if (m_script.startFailure != 0)
        return m_script.startFailure;
    QString output = command.arguments.value(command.arguments.size() - 1);
    if (output.startsWith(QStringLiteral("file:")))
        output = output.mid(5);
    m_script.errorOutput.replace(QStringLiteral("OUT"), output);
    if (m_script.writes) {
        QFile file(output);
        if (file.open(QIODevice::WriteOnly))
            file.write(*m_script.writes);
    }
    return 0;
}

QString FakeEncoderFolders::createFolder(const QString& temporaryFolder)
{
    EXPECT_EQ(temporaryFolder, m_temporary);
    if (createFailure)
        throw makeFailure(ErrorNumber::PermissionDenied, *createFailure);
    const QString folder = temporaryFolder + QStringLiteral("/run-%1").arg(created.size() + 1);
    created.append(folder);
    return folder;
}

QString FakeEncoderFolders::deploy(const QByteArray& bytes, const QString& folder)
{
    if (deployFailure)
        throw makeFailure(ErrorNumber::PathFileAccessError, *deployFailure);
    deployedBytes = bytes;
    return folder + QStringLiteral("/encoder");
}

bool FakeEncoderFolders::isTrusted(const QString&) const
{
    return !trusted || trusted(++m_checks);
}

FakeRunFixture::FakeRunFixture()
{
    m_choices.constantBitRate = true;
    m_choices.bitRateEntry = QStringLiteral("64 kbps");
    m_choices.saveBesideInput = true;
    const auto scriptFor = [this](const ProcessCommand& command) {
        if (command.arguments.contains(QStringLiteral("-encoders"))) {
            ++m_encoderQuestions;
            return FakeEncode{0, 0, {}, {}, 0, m_encoderList};
        }
        m_started.append(command);
        if (m_onEncode)
            m_onEncode(command.arguments.value(command.arguments.indexOf(QStringLiteral("-i")) + 1)
                           .mid(5)); // after "file:"
        if (m_encodes.empty())
            return FakeEncode{0, 0, {}, QByteArray("whole output"), 0};
        const FakeEncode next = m_encodes.front();
        m_encodes.pop_front();
        return next;
    };
    ConversionServices services{m_dialogs,
                                m_fileSystem,
                                m_folders,
                                m_exitCleanup,
                                m_outputs,
                                [this]() -> MediaInfoLibrary& { return *m_library; },
                                [scriptFor]() -> std::unique_ptr<ChildProcess> {
                                    return std::make_unique<FakeChild>(scriptFor);
                                },
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
    m_rows.paths = inputs;
    m_run->start(m_choices);
}

QStringList FakeRunFixture::errorBoxes() const
{
    return m_dialogs.messageTexts();
}

} // namespace brindlecast::test
