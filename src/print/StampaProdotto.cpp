#include "print/StampaProdotto.h"

#include "report/Printing.h"
#include "ui/Widgets.h"

namespace print {

TfrmStampaProdotto::TfrmStampaProdotto(ui::ScreenRegistry& screens, QWidget* owner)
    : ProductDialog(screens, QStringLiteral("frmStampaProdotto"), QStringLiteral(" Stampa scheda"),
                    QStringLiteral("Stampa"), QStringLiteral("Stampa la pagina su carta"), owner)
{
    imgLogo01 = new ui::Picture(QStringLiteral("imgLogo01"), QStringLiteral(":/print/stampa-scheda.svg"), this);
    imgLogo01->setAccessibleName(QStringLiteral("Stampa documento"));
    imgLogo01->setAccessibleDescription(
        QStringLiteral("Questa operazione provveder\u00E0 a stampare su carta il documento con i dati immessi nei "
                       "campi di testo. Premere il pulsante Stampa per dare avvio alla stampa su carta oppure "
                       "premere Annulla per annullare l'operazione."));
    ui::Place(imgLogo01, 22, 26, 317, 198);
    shpSfondo->lower();
}

void TfrmStampaProdotto::deliver(report::Report& report)
{
    report::PrintReport(this, report);
}

} // namespace print
