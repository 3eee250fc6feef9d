#pragma once

class QWidget;

namespace report {

class Report;

// Shows a prepared report in a modal, maximised preview window at 100 % zoom.
void ShowPreviewWindow(QWidget* parent, const Report& report);

} // namespace report
