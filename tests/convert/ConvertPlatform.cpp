#include "convert/ConvertPlatform.h"

#include <QFile>

namespace brindlecast::test {

namespace {

// Forwards to another child and reports each start.
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

void ConvertPlatform::useMediaInfoLibrary(const QString& fileName)
{
    m_otherLibrary = std::make_unique<MediaInfoLibrary>(fileName);
}

std::unique_ptr<ChildProcess> ConvertPlatform::createChildProcess()
{
    auto inner = makeChild ? makeChild() : TestPlatform::createChildProcess();
    return std::make_unique<WatchedChild>(std::move(inner), *this);
}

QByteArray ConvertPlatform::encoderResource(int id)
{
    encoderRequests.append(id);
    return encoderBytes ? *encoderBytes : TestPlatform::encoderResource(id);
}

QString ConvertPlatform::processorAddressWidth()
{
    return addressWidth ? *addressWidth : TestPlatform::processorAddressWidth();
}

MediaInfoLibrary& ConvertPlatform::mediaInfo()
{
    return m_otherLibrary ? *m_otherLibrary : TestPlatform::mediaInfo();
}

int FakeChildProcess::start(const ProcessCommand& started, int style)
{
    command = started;
    windowStyle = style;
    if (startFailure)
        return startFailure;
    if (!writeFile.isEmpty()) {
        QFile file(writeFile);
        if (file.open(QIODevice::WriteOnly))
            file.write("\xFF\xF1 partial");
    }
    return 0;
}

bool FakeChildProcess::waitForEnd(int)
{
    if (onWait)
        onWait(waits);
    return waits++ >= waitsBeforeEnd;
}

} // namespace brindlecast::test
