// The open screen's price-list and export commands: each works on the selected flyer.
#include "catalog/ApriCatalogo.h"

#include "base/ProgramFolder.h"
#include "catalog/FlyerCatalog.h"
#include "exchange/FlyerExport.h"
#include "exchange/PriceListImport.h"
#include "storage/PhotoStore.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/ProgressRun.h"
#include "ui/Widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QStandardPaths>

#include <optional>

namespace catalog {

namespace {

struct ExchangeButton {
    const char* name;
    const char* resource;
    const char* accessibleName;
    const char* hint;
    int x;
};
// In the free strip of the work area, right of the hand and left of the help button.
constexpr int kButtonsTop = 158;
constexpr ExchangeButton kButtons[] = {
    {"btnImportaListino", ":/catalog/importa_listino.svg", "Importa listino",
     "Aggiunge al volantino selezionato le pagine di un listino (.csv o .xlsx)", 724},
    {"btnEsportaPdf", ":/catalog/esporta_pdf.svg", "Esporta PDF",
     "Salva tutto il volantino selezionato in un documento PDF", 778},
    {"btnEsportaImmagini", ":/catalog/esporta_immagini.svg", "Esporta immagini",
     "Salva ogni pagina del volantino selezionato come immagine PNG", 832},
    {"btnEsportaListino", ":/catalog/esporta_listino.svg", "Esporta listino",
     "Salva i prodotti del volantino selezionato in un listino (.xlsx o .csv)", 886},
};

// Where exported files are offered: the user's documents, else the home folder.
QString ExportFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString PhotoFolder()
{
    return storage::PhotoFolderIn(base::ProgramFolder());
}

void Warn(QWidget* parent, const QString& text)
{
    ui::ShowMessageBox(text, ui::MessageKind::Warning, parent);
}

void Inform(QWidget* parent, const QString& text)
{
    ui::ShowMessageBox(text, ui::MessageKind::Information, parent);
}

// The flyer of a list entry, read for a page export; nothing, with the warning shown,
// when it has no page.
std::optional<exchange::FlyerPagesSnapshot> FlyerWithPages(QWidget* parent, const QString& entry)
{
    exchange::FlyerPagesSnapshot flyer = exchange::ReadFlyer(EntryPath(entry), FlyerTitle(entry), PhotoFolder());
    if (flyer.pages.empty()) {
        Warn(parent, QStringLiteral("Il volantino \"%1\" non contiene nessuna pagina: non c'è niente da esportare.")
                         .arg(flyer.title));
        return std::nullopt;
    }
    return flyer;
}

} // namespace

void TfrmApriCatalogo::buildExchangeButtons(QWidget* panel)
{
    ui::PictureButton** targets[] = {&btnImportaListino, &btnEsportaPdf, &btnEsportaImmagini, &btnEsportaListino};
    void (TfrmApriCatalogo::*handlers[])() = {&TfrmApriCatalogo::btnImportaListinoClick,
                                             &TfrmApriCatalogo::btnEsportaPdfClick,
                                             &TfrmApriCatalogo::btnEsportaImmaginiClick,
                                             &TfrmApriCatalogo::btnEsportaListinoClick};
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const ExchangeButton& entry = kButtons[i];
        auto* button = new ui::PictureButton(QLatin1String(entry.name), QLatin1String(entry.resource),
                                             QLatin1String(entry.accessibleName), panel);
        button->setAccessibleDescription(QString::fromUtf8(entry.hint));
        button->setToolTip(QLatin1String(entry.accessibleName) + QStringLiteral(": ") + QString::fromUtf8(entry.hint));
        button->setStatusTip(QString::fromUtf8(entry.hint));
        ui::Place(button, entry.x, kButtonsTop, 43, 45);
        *targets[i] = button;
        connect(button, &ui::PictureButton::clicked, this, handlers[i]);
    }
}

void TfrmApriCatalogo::btnImportaListinoClick()
{
    ui::RunCommand(this, [this] { importCommand(); });
}

void TfrmApriCatalogo::btnEsportaPdfClick()
{
    ui::RunCommand(this, [this] { exportPdfCommand(); });
}

void TfrmApriCatalogo::btnEsportaImmaginiClick()
{
    ui::RunCommand(this, [this] { exportPicturesCommand(); });
}

void TfrmApriCatalogo::btnEsportaListinoClick()
{
    ui::RunCommand(this, [this] { exportListCommand(); });
}

QListWidgetItem* TfrmApriCatalogo::entryForCommand()
{
    // The open command's own warnings.
    if (lstFiles->count() == 0) {
        Warn(this, QStringLiteral("Attenzione: l'elenco non contiene nessun volantino."));
        return nullptr;
    }
    QListWidgetItem* selected = selectedEntry();
    if (!selected)
        Warn(this, QStringLiteral(
                       "Attenzione: selezionare il volantino dall'elenco prima di premere il pulsante Apri archivio."));
    return selected;
}

void TfrmApriCatalogo::importCommand()
{
    QListWidgetItem* selected = entryForCommand();
    if (!selected)
        return;
    const QString entry = selected->text();
    const QString list = ui::Seam().openFileName(
        this, {QStringLiteral("Importa listino"),
               {QStringLiteral("Listini (*.csv *.xlsx)"), QStringLiteral("Tutti i file (*)")}, QString(), QString()});
    if (list.isEmpty())
        return;
    const exchange::ImportTarget target{EntryPath(entry), PhotoFolder(), FlyerTitle(entry)};
    try {
        exchange::ImportPlan plan;
        ui::RunWithProgress(this, QStringLiteral("Lettura del listino \"%1\"…").arg(QFileInfo(list).fileName()),
                            [&](const exchange::Progress& progress) { plan = exchange::PlanImport(list, progress); });
        const qint64 first = exchange::PageCountOf(target.archivePath) + 1;
        const QString summary = exchange::PlanSummary(plan, first);
        if (plan.pageCount() == 0) {
            Warn(this, summary);
            return;
        }
        if (ui::ShowMessageBox(summary + QStringLiteral("\r\n\r\nSi conferma l'importazione nel volantino \"%1\"?")
                                             .arg(target.title),
                               ui::MessageKind::Confirmation, this)
            != ui::MessageAnswer::Yes)
            return;
        exchange::ImportResult result;
        ui::RunWithProgress(this, QStringLiteral("Importazione del listino nel volantino \"%1\"…").arg(target.title),
                            [&](const exchange::Progress& progress) {
                                result = exchange::ApplyImport(plan, target, progress);
                            });
        Inform(this, exchange::ResultText(result));
    } catch (const exchange::ExchangeError& error) {
        Warn(this, error.message());
    } catch (const exchange::Cancelled&) {
        Inform(this, QStringLiteral("Importazione annullata: il volantino e le sue foto sono rimasti come prima."));
    }
}

void TfrmApriCatalogo::exportPdfCommand()
{
    QListWidgetItem* selected = entryForCommand();
    if (!selected)
        return;
    const QString entry = selected->text();
    try {
        const std::optional<exchange::FlyerPagesSnapshot> read = FlyerWithPages(this, entry);
        if (!read)
            return;
        const exchange::FlyerPagesSnapshot& flyer = *read;
        const QString pdf = ui::Seam().saveFileName(
            this, {QStringLiteral("Esporta PDF"), {QStringLiteral("Documenti PDF (*.pdf)")}, QStringLiteral("pdf"),
                   QDir(ExportFolder()).filePath(flyer.title + QStringLiteral(".pdf"))});
        if (pdf.isEmpty())
            return;
        ui::RunWithProgress(this, QStringLiteral("Esportazione del volantino \"%1\" in PDF…").arg(flyer.title),
                            [&](const exchange::Progress& progress) { exchange::ExportPdf(flyer, pdf, {}, progress); });
        Inform(this, QStringLiteral("Il volantino è stato salvato nel documento \"%1\".").arg(QDir::toNativeSeparators(pdf)));
    } catch (const exchange::ExchangeError& error) {
        Warn(this, error.message());
    } catch (const exchange::Cancelled&) {
        Inform(this, QStringLiteral("Esportazione annullata: nessun documento è stato scritto."));
    }
}

void TfrmApriCatalogo::exportPicturesCommand()
{
    QListWidgetItem* selected = entryForCommand();
    if (!selected)
        return;
    const QString entry = selected->text();
    try {
        const std::optional<exchange::FlyerPagesSnapshot> read = FlyerWithPages(this, entry);
        if (!read)
            return;
        const exchange::FlyerPagesSnapshot& flyer = *read;
        const QString folder = ui::Seam().folderName(
            this, {QStringLiteral("Esporta immagini: cartella in cui salvare le pagine"), {}, QString(), ExportFolder()});
        if (folder.isEmpty())
            return;
        QStringList files;
        ui::RunWithProgress(this, QStringLiteral("Esportazione delle pagine di \"%1\" come immagini…").arg(flyer.title),
                            [&](const exchange::Progress& progress) {
                                files = exchange::ExportPictures(flyer, folder, {}, progress);
                            });
        const QString saved = files.size() == 1 ? QStringLiteral("Salvata 1 immagine")
                                                : QStringLiteral("Salvate %1 immagini").arg(files.size());
        Inform(this, saved + QStringLiteral(" nella cartella \"%1\" (%2, …).")
                                 .arg(QDir::toNativeSeparators(folder), QFileInfo(files.value(0)).fileName()));
    } catch (const exchange::ExchangeError& error) {
        Warn(this, error.message());
    } catch (const exchange::Cancelled&) {
        Inform(this, QStringLiteral("Esportazione annullata: le immagini delle pagine già salvate restano nella "
                                    "cartella scelta."));
    }
}

void TfrmApriCatalogo::exportListCommand()
{
    QListWidgetItem* selected = entryForCommand();
    if (!selected)
        return;
    const QString entry = selected->text();
    try {
        const exchange::FlyerPagesSnapshot flyer = exchange::ReadFlyer(EntryPath(entry), FlyerTitle(entry), PhotoFolder());
        const QString list = ui::Seam().saveFileName(
            this, {QStringLiteral("Esporta listino"),
                   {QStringLiteral("Cartella di lavoro Excel (*.xlsx)"), QStringLiteral("CSV con separatore ; (*.csv)")},
                   QStringLiteral("xlsx"), QDir(ExportFolder()).filePath(flyer.title + QStringLiteral(".xlsx"))});
        if (list.isEmpty())
            return;
        const qint64 rows = exchange::ExportList(flyer, list);
        Inform(this, QStringLiteral("Salvati %1 prodotti nel listino \"%2\".").arg(rows).arg(QDir::toNativeSeparators(list)));
    } catch (const exchange::ExchangeError& error) {
        Warn(this, error.message());
    }
}

} // namespace catalog
