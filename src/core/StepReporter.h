// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ErrorReport.h"
#include "core/Failure.h"

#include <QString>
#include <exception>
#include <optional>
#include <utility>

namespace brindlecast {

// Runs the numbered steps of a reporting procedure: a step that fails shows the error box with
// its location number, and the procedure carries on with its next step.
class StepReporter {
public:
    StepReporter(ErrorBox& errorBox, QString locationText)
        : m_errorBox(errorBox), m_locationText(std::move(locationText))
    {
    }

    // Runs an action; returns false when it failed (after the box was closed).
    template <typename Action> bool run(int locationNumber, Action&& action)
    {
        return !failureOf(locationNumber, std::forward<Action>(action));
    }

    // Runs an action like run(); returns what the box said when it failed.
    template <typename Action> std::optional<QString> failureOf(int locationNumber, Action&& action)
    {
        QString description;
        try {
            std::forward<Action>(action)();
            return std::nullopt;
        } catch (const Failure& failure) {
            description = failure.description();
        } catch (const std::exception& failure) {
            description = QString::fromLocal8Bit(failure.what());
        }
        report(description, locationNumber);
        return description;
    }

    // Evaluates a test; a test that fails counts as passed, so the steps it guards run next.
    template <typename Test> bool check(int locationNumber, Test&& test)
    {
        bool passed = true;
        run(locationNumber, [&] { passed = std::forward<Test>(test)(); });
        return passed;
    }

    // Computes a value; a failed computation reports and leaves the fallback.
    template <typename T, typename Compute>
    T value(int locationNumber, T fallback, Compute&& compute)
    {
        run(locationNumber, [&] { fallback = std::forward<Compute>(compute)(); });
        return fallback;
    }

    void report(const QString& description, int locationNumber)
    {
        ShowApplicationError(m_errorBox, description, m_locationText, locationNumber);
    }

private:
    ErrorBox& m_errorBox;
    QString m_locationText;
};

} // namespace brindlecast
