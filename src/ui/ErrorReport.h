#pragma once

#include "ui/Dialogs.h"

#include <QString>

#include <exception>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

class QWidget;

namespace ui {

// The program's default error report: a plain message with the error's own text ending in
// a full stop. Used for failures that no command guards itself.
void ReportError(const QString& text, QWidget* parent = nullptr);

// What a guarded command shows when it fails.
struct FailureReport {
    QString text; // the command's one fixed message; empty: the default error report
    MessageKind kind = MessageKind::Error;
    bool plain = false; // a plain message with OK only, instead of a box of that kind
};

// Shows a failure as the report says; errorText is the error's own text.
void ShowFailure(QWidget* parent, const FailureReport& report, const QString& errorText);

// The one guard of every command that touches files. Runs command; an exception of type
// Expected that it throws shows `report`, any other reaches the default error report, and
// the program goes on. The message is shown once the command has unwound, so the files it
// opened are closed by then. True when the command ran to its end.
template <typename Expected = std::exception, typename Command>
requires std::is_base_of_v<std::exception, Expected>
bool RunGuarded(QWidget* parent, const FailureReport& report, Command&& command)
{
    std::optional<std::pair<FailureReport, QString>> failure;
    try {
        std::forward<Command>(command)();
        return true;
    } catch (const std::exception& error) {
        const bool expected = dynamic_cast<const Expected*>(&error) != nullptr;
        failure.emplace(expected ? report : FailureReport{}, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        failure.emplace(FailureReport{}, QString());
    }
    ShowFailure(parent, failure->first, failure->second);
    return false;
}

// A command whose failures all go to the default error report: Qt lets no exception
// through its event loop, so every command entry point that may fail runs through a guard.
void RunCommand(QWidget* parent, const std::function<void()>& command);

} // namespace ui
