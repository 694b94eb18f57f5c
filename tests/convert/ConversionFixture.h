#pragma once

#include "app/Form1.h"
#include "convert/ConvertPlatform.h"
#include "convert/WavFile.h"
#include "support/SettingsSandbox.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace brindlecast::test {

// A main window on the real platform, with TEMP pointing at a temporary folder of its own and a
// work folder for the test's WAV files.
class ConversionFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a WAV file into the work folder and returns its full path.
    QString makeWav(const QString& name, const WavFormat& format = {});
    QString workPath(const QString& name) const;

    void addRows(const QStringList& paths);
    void useConstantRate(const QString& entry);
    void useRateOfInput(const QString& fallbackEntry);
    void saveBesideInput();
    void saveInto(const QString& folder);
    void clickStartConverting();

    // Message boxes with the application title (not error boxes), in order.
    QStringList closingMessages() const;
    QStringList errorBoxes() const;
    // The encoder commands started (conversions, not questions to the encoder).
    int encodesStarted() const;
    // What is left in the temporary folder (recursively), "" entries excluded.
    QStringList temporaryFolderContents() const;

    SettingsSandbox m_settings;
    QTemporaryDir m_temp;
    QTemporaryDir m_work;
    ConvertPlatform m_platform;
    std::unique_ptr<Form1> m_form;

private:
    QByteArray m_savedTemp;
    bool m_hadTemp = false;
};

// Every output of a run: ADTS frames from first byte to last, lasting about as long as the input.
::testing::AssertionResult isAacOf(const QString& path, double seconds, int kbps);

} // namespace brindlecast::test
