// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Form1.h"
#include "support/SettingsSandbox.h"
#include "support/TestPlatform.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace brindlecast::test {

// A real main window over a settings store in a temporary folder and a test platform (scripted
// dialogs, an application folder of its own). The window is created when a test asks, so that a
// test can first put values into the store.
template <typename PlatformType = TestPlatform> class BasicWindowFixture : public ::testing::Test {
protected:
    enum class Shown { No, Yes };

    // Creates the window, which runs its start-up.
    Form1& openWindow(Shown shown = Shown::No)
    {
        m_form = std::make_unique<Form1>(m_platform);
        if (shown == Shown::Yes) {
            m_form->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
        }
        return *m_form;
    }

    void TearDown() override { m_form.reset(); }

    SettingsSandbox m_settings;
    PlatformType m_platform;
    std::unique_ptr<Form1> m_form;
};

using WindowFixture = BasicWindowFixture<>;

} // namespace brindlecast::test
