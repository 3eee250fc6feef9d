#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace app {

// The program's default error report: a plain message with the error's own text ending in
// a full stop. Used for failures that no command guards itself.
void ReportError(const QString& text, QWidget* parent = nullptr);

// Runs one command; an exception that escapes it reaches the default error report and the
// program goes on. Qt lets no exception through its event loop, so every command entry
// point that may fail unguarded runs through here.
void RunCommand(QWidget* parent, const std::function<void()>& command);

} // namespace app
