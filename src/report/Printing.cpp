#include "report/Printing.h"

#include "report/Report.h"
#include "ui/Dialogs.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace report {

void SetUpPrinter(QPrinter& printer, const Report& report)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (!defaultPrinter.isNull())
        printer.setPrinterName(defaultPrinter.printerName());
    printer.setDocName(report.name());
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(report.page().orientation);
    // The renderer places everything from the sheet's corner, margins included.
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setFromTo(0, 0);
}

bool PrintPreparedPage(QPrinter& printer, const Report& report)
{
    const Page* page = report.preparedPage();
    if (!page)
        return false;
    // The report has one page: a range that leaves it out prints nothing.
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 1)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    RenderPage(painter, *page);
    return painter.end();
}

bool PrintReport(QWidget* parent, const Report& report)
{
    if (!report.isPrepared())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, report);
    if (!ui::Seam().printDialog(parent, printer))
        return false;
    // The dialog may have changed the paper; the page is A4 and is printed from the corner.
    printer.setFullPage(true);
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 1)
        return false;
    if (!PrintPreparedPage(printer, report)) {
        ui::ShowMessageBox(
            QStringLiteral("Attenzione: non \u00E8 stato possibile stampare il documento sulla stampante scelta."),
            ui::MessageKind::Error, parent);
        return false;
    }
    return true;
}

} // namespace report
