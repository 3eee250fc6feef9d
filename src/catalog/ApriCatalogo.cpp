#include "catalog/ApriCatalogo.h"

#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/ScreenRegistry.h"
#include "base/Text.h"
#include "ui/Widgets.h"
#include "catalog/FlyerCatalog.h"
#include "help/HelpWindows.h"

#include <QLabel>
#include <QListWidget>

namespace catalog {

namespace {

const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kBlanchedAlmond(0xFF, 0xEB, 0xCD);

const QString kAvvio = QStringLiteral("avvio");
const QString kListino = QStringLiteral("listino");

QLabel* hiddenLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

} // namespace

TfrmApriCatalogo::TfrmApriCatalogo(ui::ScreenRegistry& screens)
    : ui::MaximisedScreen(screens, QStringLiteral("frmApriCatalogo"),
                           QStringLiteral(" Vetrinalia - Apertura volantino offerte"), QColor(0x42, 0x7A, 0xA8),
                           Qt::white)
{

    auto* panel = new QWidget(content());
    panel->setObjectName(QStringLiteral("panApri"));
    ui::Place(panel, (ui::kMaximisedContentSize.width() - 995) / 2,
               (ui::kMaximisedContentSize.height() - 692) / 2, 995, 692);

    ui::Place(new ui::Rect(QStringLiteral("bkgSfondo02"), kSteelBlue, panel), 8, 8, 978, 676);
    ui::Place(new ui::Rect(QStringLiteral("bkgSfondo01"), Qt::white, panel), 8, 8, 129, 126);
    auto* badge = new ui::Picture(QStringLiteral("icoIcona04"), QStringLiteral(":/catalog/coccarda.svg"), panel);
    badge->setAccessibleName(QStringLiteral("Offerta speciale"));
    ui::Place(badge, 16, 16, 112, 112);

    auto* istruzioni = new ui::Picture(QStringLiteral("icoIstruzioni"), QStringLiteral(":/catalog/istruzioni_apri.svg"), panel);
    istruzioni->setAccessibleName(QStringLiteral("Apertura volantino offerte"));
    istruzioni->setAccessibleDescription(
        QStringLiteral("Selezionare il volantino di interesse nell'elenco sottostante e premere il pulsante Apri archivio. "
                       "Fare clic sull'icona del cestino per eliminare il volantino selezionato. "
                       "Premere Annulla per uscire da questa schermata senza aprire un volantino."));
    ui::Place(istruzioni, 148, 22, 694, 107);

    ui::Place(new ui::Rect(QStringLiteral("bkgSfondo03"), Qt::white, panel), 8, 145, 978, 416);

    btnElimina = new ui::PictureButton(QStringLiteral("btnElimina"), QStringLiteral(":/catalog/cestino.svg"),
                                        QStringLiteral("Elimina"), panel);
    btnElimina->setAccessibleDescription(QStringLiteral("Elimina il volantino offerte selezionato"));
    ui::Place(btnElimina, 24, 158, 43, 45);

    auto* mano = new ui::Picture(QStringLiteral("icoMano"), QStringLiteral(":/catalog/mano.svg"), panel);
    ui::Place(mano, 490, 148, 30, 58);

    imgGuida = new ui::PictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/avvio/guida.svg"),
                                      QStringLiteral("Guida"), panel);
    ui::Place(imgGuida, 946, 156, 29, 28);

    ui::Place(new ui::Rect(QStringLiteral("bkgElenco"), kBlanchedAlmond, panel), 24, 216, 946, 316);

    lstFiles = new QListWidget(panel);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setAccessibleName(QStringLiteral("Elenco dei volantini offerte"));
    lstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    lstFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstFiles->setUniformItemSizes(true);
    lstFiles->setFrameShape(QFrame::NoFrame);
    lstFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstFiles->setFont(QFont(QStringLiteral("Courier New"), 14));
    lstFiles->setStyleSheet(QStringLiteral("QListWidget { background: transparent; color: black; selection-color: black; selection-background-color: #A9CDEE; }"));
    ui::Place(lstFiles, 34, 224, 926, 298);

    lblCreati = new QLabel(panel);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));
    lblCreati->setAccessibleDescription(QStringLiteral("Numero dei volantini offerte creati"));
    lblCreati->setFont(QFont(QStringLiteral("Verdana"), 12));
    lblCreati->setStyleSheet(QStringLiteral("QLabel { color: #008000; background: transparent; }"));
    lblCreati->setText(CountLineText(0));
    // Sized to its text by ListFlyers each time the screen is shown.
    lblCreati->move(24, 537);

    ui::Place(new ui::Rect(QStringLiteral("bkgSfondo06"), Qt::white, panel), 30, 588, 934, 68);
    btnAnnulla = new ui::PictureButton(QStringLiteral("btnAnnulla"), QStringLiteral(":/catalog/barra_annulla.svg"),
                                        QStringLiteral("Annulla"), panel);
    ui::Place(btnAnnulla, 44, 602, 258, 45);
    btnApri = new ui::PictureButton(QStringLiteral("btnApri"), QStringLiteral(":/catalog/barra_apri_archivio.svg"),
                                     QStringLiteral("Apri archivio"), panel);
    ui::Place(btnApri, 694, 602, 258, 45);

    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), panel);
    lblMemory->setText(kAvvio);
    lblMemory->setAccessibleDescription(QStringLiteral("Destinazione alla chiusura"));
    lblFile = hiddenLabel(QStringLiteral("lblFile"), panel);
    lblFile->setAccessibleDescription(QStringLiteral("Percorso dell'archivio selezionato"));

    connect(btnApri, &ui::PictureButton::clicked, this, &TfrmApriCatalogo::btnApriClick);
    connect(btnElimina, &ui::PictureButton::clicked, this, &TfrmApriCatalogo::btnEliminaClick);
    connect(btnAnnulla, &ui::PictureButton::clicked, this, &TfrmApriCatalogo::btnAnnullaClick);
    connect(imgGuida, &ui::PictureButton::clicked, this, &TfrmApriCatalogo::imgGuidaClick);
    buildExchangeButtons(panel);
}

void TfrmApriCatalogo::ListFlyers()
{
    const QStringList names = catalog::ListFlyers();
    // The entries take the list's own font and colour (Courier New 14, black): nothing
    // to set on each of them.
    lstFiles->setUpdatesEnabled(false);
    lstFiles->clear();
    lstFiles->addItems(names);
    // No current row until the user picks one: the list would otherwise frame its first
    // row on gaining the focus, which reads as a selection.
    lstFiles->setCurrentIndex(QModelIndex());
    lstFiles->setUpdatesEnabled(true);
    lblCreati->setText(CountLineText(lstFiles->count()));
    lblCreati->resize(qMax(700, lblCreati->sizeHint().width()), lblCreati->sizeHint().height());
}

void TfrmApriCatalogo::btnApriClick()
{
    ui::RunCommand(this, [this] { openCommand(); });
}

void TfrmApriCatalogo::btnEliminaClick()
{
    ui::RunCommand(this, [this] { deleteCommand(); });
}

void TfrmApriCatalogo::btnAnnullaClick()
{
    close();
}

void TfrmApriCatalogo::imgGuidaClick()
{
    help::ShowHelpTopic(screens(), this, help::HelpTopic::CreateOpen);
}

void TfrmApriCatalogo::onShow()
{
    lblMemory->setText(kAvvio);
    ui::RunCommand(this, [this] { ListFlyers(); });
}

void TfrmApriCatalogo::onClose()
{
    ui::RunCommand(this, [this] { closeHandOff(); });
}

QListWidgetItem* TfrmApriCatalogo::selectedEntry() const
{
    const QList<QListWidgetItem*> selected = lstFiles->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TfrmApriCatalogo::openCommand()
{
    if (lstFiles->count() == 0) {
        ui::ShowMessageBox(QStringLiteral("Attenzione: l'elenco non contiene nessun volantino."),
                            ui::MessageKind::Warning, this);
        return;
    }
    QListWidgetItem* selected = selectedEntry();
    if (!selected) {
        ui::ShowMessageBox(
            QStringLiteral("Attenzione: selezionare il volantino dall'elenco prima di premere il pulsante Apri archivio."),
            ui::MessageKind::Warning, this);
        return;
    }
    lblFile->setText(EntryPath(selected->text()));
    lblMemory->setText(kListino);
    close();
}

void TfrmApriCatalogo::closeHandOff()
{
    QListWidgetItem* selected = selectedEntry();
    if (base::TrimBlanks(lblMemory->text()) == kListino && selected) {
        const QString entry = selected->text();
        lblFile->setText(EntryPath(entry));
        screens().openFlyer(base::TrimBlanks(lblFile->text()), FlyerTitle(entry));
        hide();
        return;
    }
    screens().show(ui::ScreenId::Start);
    hide();
}

void TfrmApriCatalogo::deleteCommand()
{
    if (lstFiles->count() == 0) {
        ui::ShowMessageBox(QStringLiteral("Attenzione: l'elenco non contiene nessun volantino offerte."),
                            ui::MessageKind::Warning, this);
        return;
    }
    QListWidgetItem* selected = selectedEntry();
    if (!selected) {
        ui::ShowMessageBox(QStringLiteral("Attenzione: selezionare dall'elenco il volantino offerte da eliminare "
                                           "prima di premere il pulsante del cestino."),
                            ui::MessageKind::Warning, this);
        return;
    }
    const QString question =
        QStringLiteral("Si sta per eliminare il volantino offerte selezionato. Si ricorda che il file eliminato non "
                       "potrà essere recuperato.")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("Si conferma l'eliminazione dell'archivio?");
    if (ui::ShowMessageBox(question, ui::MessageKind::Confirmation, this) != ui::MessageAnswer::Yes)
        return;

    lblFile->setText(EntryPath(selected->text()));
    if (DeleteFlyer(lblFile->text())) {
        ui::ShowMessageBox(QStringLiteral("Il volantino offerte è stato eliminato con successo."),
                            ui::MessageKind::Information, this);
    } else {
        ui::ShowMessageBox(
            QStringLiteral("Attenzione: non è stato possibile eliminare il volantino offerte selezionato."),
            ui::MessageKind::Warning, this);
    }
    lblMemory->setText(kAvvio);
    lblFile->clear();
    ListFlyers();
}

} // namespace catalog
