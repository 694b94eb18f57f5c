#pragma once

#include "platform/ChildProcess.h"
#include "platform/MediaInfoLibrary.h"
#include "support/TestPlatform.h"

#include <QList>
#include <functional>
#include <memory>
#include <optional>

namespace brindlecast::test {

// The real platform (real child processes, real MediaInfo, the installed ffmpeg) with hooks to
// watch every child that is started and to replace the parts a test makes fail on purpose.
class ConvertPlatform : public TestPlatform {
public:
    QList<ProcessCommand> started;                            // every child started
    std::function<void(const ProcessCommand&)> onStart;       // runs just after a start
    std::function<std::unique_ptr<ChildProcess>()> makeChild; // replaces the real child
    std::optional<QByteArray> encoderBytes;                   // replaces the installed ffmpeg
    std::optional<QString> addressWidth;                      // replaces the processor query

    // A MediaInfo library of another file name (a missing one, say).
    void useMediaInfoLibrary(const QString& fileName);

    std::unique_ptr<ChildProcess> createChildProcess() override;
    QByteArray encoderResource(int id) override;
    QString processorAddressWidth() override;
    MediaInfoLibrary& mediaInfo() override;

    QList<int> encoderRequests;

private:
    std::unique_ptr<MediaInfoLibrary> m_otherLibrary;
};

// A child that does not run anything: it ends after a chosen number of waits with a chosen exit
// code, and may write a file first, as an encoder that fails half-way would.
class FakeChildProcess : public ChildProcess {
public:
    int startFailure = 0;
    int waitsBeforeEnd = 0;
    int code = 0;
    QString errorText;
    QString writeFile; // written with some bytes when started
    std::function<void(int wait)> onWait;

    int waits = 0;
    ProcessCommand command;
    int windowStyle = -1;

    int start(const ProcessCommand& started, int style) override;
    bool waitForEnd(int timeoutMs) override;
    int exitCode() const override { return code; }
    QString errorOutputTail() const override { return errorText; }
    QByteArray standardOutput() const override { return {}; }
};

} // namespace brindlecast::test
