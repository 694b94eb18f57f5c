// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the window's program, for the tests that kill it outright in the middle of a
// run: the real main window over the real platform, its dialogs answered by script and its
// encoder reading the input at playing speed. It converts the files given beside their inputs,
// the given number at once, prints "encoding" once each of those encoders holds its partial
// file open, and goes on until it is ended.
//
//   window_run_helper <encoders at once> <input>...
#include "app/Form1.h"
#include "core/Settings.h"
#include "filelist/FileListView.h"
#include "platform/EncoderStore.h"
#include "platform/QtPlatform.h"
#include "support/ForwardingChildProcess.h"
#include "support/ProcessWatch.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

using namespace brindlecast;

class SlowEncoderPlatform final : public QtPlatform {
public:
    explicit SlowEncoderPlatform(int encodersAtOnce) : m_encodersAtOnce(encodersAtOnce) {}

    Dialogs& dialogs() override { return m_dialogs; }

    QByteArray encoderResource(int) override
    {
        return "#!/bin/sh\nexec \"" + QFile::encodeName(installedEncoderPath()) + "\" -re \"$@\"\n";
    }

    std::unique_ptr<ChildProcess> createChildProcess() override
    {
        test::ForwardingChildProcess::Observer observer;
        observer.starting = [this](const ProcessCommand& command) {
            if (command.arguments.contains(QStringLiteral("-ab")))
                m_partials << command.arguments.last().mid(5); // after "file:"
        };
        observer.waited = [this](bool) { tellOnceAllWrite(); };
        return std::make_unique<test::ForwardingChildProcess>(QtPlatform::createChildProcess(),
                                                              std::move(observer));
    }

private:
    // Once the encoders run, each holding its own partial file open for writing.
    void tellOnceAllWrite()
    {
        if (m_told || m_partials.size() < m_encodersAtOnce)
            return;
        QStringList open;
        const std::vector<pid_t> children = test::childrenOf(::getpid());
        for (const pid_t child : children)
            open << test::openFilesOf(child);
        if (int(children.size()) != m_encodersAtOnce ||
            !std::all_of(m_partials.begin(), m_partials.end(), [&open](const QString& partial) {
                return open.contains(QFileInfo(partial).canonicalFilePath());
            }))
            return;
        m_told = true;
        std::printf("encoding\n");
        std::fflush(stdout);
    }

    test::ScriptedDialogs m_dialogs;
    int m_encodersAtOnce;
    QStringList m_partials;
    bool m_told = false;
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc < 3)
        return 2;
    const int encodersAtOnce = QString::fromLocal8Bit(argv[1]).toInt();
    SettingsStore().write(SettingKey::EncodersAtOnce, QString::number(encodersAtOnce));
    SlowEncoderPlatform platform(encodersAtOnce);
    Form1 window(platform);
    window.show();
    for (int i = 2; i < argc; ++i)
        window.ListView1->appendRow(QFile::decodeName(argv[i]));
    window.Combo1->setCurrentIndex(window.Combo1->findText(QStringLiteral("64 kbps")));
    window.Option2->setChecked(true);
    window.Option4->setChecked(true);
    QTimer::singleShot(0, window.PushButton2, &QPushButton::click);
    return application.exec();
}
