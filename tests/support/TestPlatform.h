// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/QtPlatform.h"
#include "support/RecordingDesktop.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>

namespace brindlecast::test {

// The real platform with scripted dialogs, an application folder of its own (holding the
// files that the build lays beside the executable), and a desktop folder and a cache folder in a
// temporary place.
class TestPlatform : public QtPlatform {
    QTemporaryDir m_root; // first: the folders below live in it

public:
    TestPlatform();

    ScriptedDialogs scripted;
    QString appFolder;
    QString desktop;                  // made
    QString music;                    // not made
    QString home;                     // made
    FileAacEncoderCache encoderCache; // in a folder not yet made
    int endProcessCalls = 0;

    // The task bar and notices are recorded; a test that means the real desktop bus
    // points progressOnDesktop at it.
    RecordingDesktop recordingDesktop;
    DesktopProgress* progressOnDesktop = &recordingDesktop;

    Dialogs& dialogs() override { return scripted; }
    DesktopProgress& desktopProgress() override { return *progressOnDesktop; }
    QString applicationFolder() const override { return appFolder; }
    QString desktopFolder() const override { return desktop; }
    QString musicFolder() const override { return music; }
    QString homeFolder() const override { return home; }
    void endProcessNow() override { ++endProcessCalls; }
    AacEncoderCache& aacEncoderCache() override { return encoderCache; }
};

} // namespace brindlecast::test
