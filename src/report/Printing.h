#pragma once

class QPrinter;
class QWidget;

namespace report {

class Report;

// Sets a printer up for a report: A4, the page's orientation, the whole sheet as the
// painting area, the report's name as the job's name, the default printer preselected.
void SetUpPrinter(QPrinter& printer, const Report& report);

// Paints the prepared page on a printer that is already set up. False when nothing could
// be printed (no prepared page, a page range without page 1, a printer that fails).
bool PrintPreparedPage(QPrinter& printer, const Report& report);

// The print routine: the print dialog (printer, copies, pages); cancelling it prints nothing,
// otherwise the prepared page goes to the chosen printer. A printer that fails is reported
// in a message box. True when the page was sent.
bool PrintReport(QWidget* parent, const Report& report);

} // namespace report
