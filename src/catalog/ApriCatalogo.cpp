#include "catalog/ApriCatalogo.h"

#include "app/Avvio.h"
#include "app/Dialogs.h"
#include "app/ErrorReport.h"
#include "app/Screens.h"
#include "app/Startup.h"
#include "app/Text.h"
#include "app/Widgets.h"
#include "catalog/FlyerCatalog.h"
#include "editor/ListinoPrezzi.h"
#include "help/HelpTopics.h"

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

TfrmApriCatalogo::TfrmApriCatalogo(app::Screens& screens)
    : app::MaximisedScreen(screens, QStringLiteral("frmApriCatalogo"),
                           QStringLiteral(" Vetrinalia - Apertura volantino offerte"), QColor(0x42, 0x7A, 0xA8),
                           Qt::white)
{
    app::ApplyNumberSettings();

    auto* panel = new QWidget(content());
    panel->setObjectName(QStringLiteral("panApri"));
    app::Place(panel, (app::kMaximisedContentSize.width() - 995) / 2,
               (app::kMaximisedContentSize.height() - 692) / 2, 995, 692);

    app::Place(new app::Rect(QStringLiteral("bkgSfondo02"), kSteelBlue, panel), 8, 8, 978, 676);
    app::Place(new app::Rect(QStringLiteral("bkgSfondo01"), Qt::white, panel), 8, 8, 129, 126);
    auto* badge = new app::Picture(QStringLiteral("icoIcona04"), QStringLiteral(":/catalog/coccarda.svg"), panel);
    badge->setAccessibleName(QStringLiteral("Offerta speciale"));
    app::Place(badge, 16, 16, 112, 112);

    auto* istruzioni = new app::Picture(QStringLiteral("icoIstruzioni"), QStringLiteral(":/catalog/istruzioni_apri.svg"), panel);
    istruzioni->setAccessibleName(QStringLiteral("Apertura volantino offerte"));
    istruzioni->setAccessibleDescription(
        QStringLiteral("Selezionare il volantino di interesse nell'elenco sottostante e premere il pulsante Apri archivio. "
                       "Fare clic sull'icona del cestino per eliminare il volantino selezionato. "
                       "Premere Annulla per uscire da questa schermata senza aprire un volantino."));
    app::Place(istruzioni, 148, 22, 694, 107);

    app::Place(new app::Rect(QStringLiteral("bkgSfondo03"), Qt::white, panel), 8, 145, 978, 416);

    btnElimina = new app::PictureButton(QStringLiteral("btnElimina"), QStringLiteral(":/catalog/cestino.svg"),
                                        QStringLiteral("Elimina"), panel);
    btnElimina->setAccessibleDescription(QStringLiteral("Elimina il volantino offerte selezionato"));
    app::Place(btnElimina, 24, 158, 43, 45);

    auto* mano = new app::Picture(QStringLiteral("icoMano"), QStringLiteral(":/catalog/mano.svg"), panel);
    app::Place(mano, 490, 148, 30, 58);

    imgGuida = new app::PictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/avvio/guida.svg"),
                                      QStringLiteral("Guida"), panel);
    app::Place(imgGuida, 946, 156, 29, 28);

    app::Place(new app::Rect(QStringLiteral("bkgElenco"), kBlanchedAlmond, panel), 24, 216, 946, 316);

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
    app::Place(lstFiles, 34, 224, 926, 298);

    lblCreati = new QLabel(panel);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));
    lblCreati->setAccessibleDescription(QStringLiteral("Numero dei volantini offerte creati"));
    lblCreati->setFont(QFont(QStringLiteral("Verdana"), 12));
    lblCreati->setStyleSheet(QStringLiteral("QLabel { color: #008000; background: transparent; }"));
    lblCreati->setText(CountLineText(0));
    // Sized to its text by ListFlyers each time the screen is shown.
    lblCreati->move(24, 537);

    app::Place(new app::Rect(QStringLiteral("bkgSfondo06"), Qt::white, panel), 30, 588, 934, 68);
    btnAnnulla = new app::PictureButton(QStringLiteral("btnAnnulla"), QStringLiteral(":/catalog/barra_annulla.svg"),
                                        QStringLiteral("Annulla"), panel);
    app::Place(btnAnnulla, 44, 602, 258, 45);
    btnApri = new app::PictureButton(QStringLiteral("btnApri"), QStringLiteral(":/catalog/barra_apri_archivio.svg"),
                                     QStringLiteral("Apri archivio"), panel);
    app::Place(btnApri, 694, 602, 258, 45);

    lblMemory = hiddenLabel(QStringLiteral("lblMemory"), panel);
    lblMemory->setText(kAvvio);
    lblMemory->setAccessibleDescription(QStringLiteral("Destinazione alla chiusura"));
    lblFile = hiddenLabel(QStringLiteral("lblFile"), panel);
    lblFile->setAccessibleDescription(QStringLiteral("Percorso dell'archivio selezionato"));

    connect(btnApri, &app::PictureButton::clicked, this, &TfrmApriCatalogo::btnApriClick);
    connect(btnElimina, &app::PictureButton::clicked, this, &TfrmApriCatalogo::btnEliminaClick);
    connect(btnAnnulla, &app::PictureButton::clicked, this, &TfrmApriCatalogo::btnAnnullaClick);
    connect(imgGuida, &app::PictureButton::clicked, this, &TfrmApriCatalogo::imgGuidaClick);
}

void TfrmApriCatalogo::ListFlyers()
{
    const QStringList names = catalog::ListFlyers();
    // The entries take the list's own font and colour (Courier New 14, black): nothing
    // to set on each of them.
    lstFiles->setUpdatesEnabled(false);
    lstFiles->clear();
    lstFiles->addItems(names);
    lstFiles->setUpdatesEnabled(true);
    lblCreati->setText(CountLineText(lstFiles->count()));
    lblCreati->resize(qMax(700, lblCreati->sizeHint().width()), lblCreati->sizeHint().height());
}

void TfrmApriCatalogo::btnApriClick()
{
    app::RunCommand(this, [this] { openCommand(); });
}

void TfrmApriCatalogo::btnEliminaClick()
{
    app::RunCommand(this, [this] { deleteCommand(); });
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
    app::RunCommand(this, [this] { ListFlyers(); });
}

void TfrmApriCatalogo::onClose()
{
    app::RunCommand(this, [this] { closeHandOff(); });
}

QListWidgetItem* TfrmApriCatalogo::selectedEntry() const
{
    const QList<QListWidgetItem*> selected = lstFiles->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TfrmApriCatalogo::openCommand()
{
    if (lstFiles->count() == 0) {
        app::ShowMessageBox(QStringLiteral("Attenzione: l'elenco non contiene nessun volantino."),
                            app::MessageKind::Warning, this);
        return;
    }
    QListWidgetItem* selected = selectedEntry();
    if (!selected) {
        app::ShowMessageBox(
            QStringLiteral("Attenzione: selezionare il volantino dall'elenco prima di premere il pulsante Apri archivio."),
            app::MessageKind::Warning, this);
        return;
    }
    lblFile->setText(EntryPath(selected->text()));
    lblMemory->setText(kListino);
    close();
}

void TfrmApriCatalogo::closeHandOff()
{
    QListWidgetItem* selected = selectedEntry();
    if (app::TrimBlanks(lblMemory->text()) == kListino && selected) {
        const QString entry = selected->text();
        lblFile->setText(EntryPath(entry));
        editor::TfrmListinoPrezzi* editor = screens().frmListinoPrezzi;
        editor->lblFile->setText(app::TrimBlanks(lblFile->text()));
        editor->lblNome->setText(FlyerTitle(entry));
        editor->showScreen();
        hide();
        return;
    }
    screens().frmAvvio->showScreen();
    hide();
}

void TfrmApriCatalogo::deleteCommand()
{
    if (lstFiles->count() == 0) {
        app::ShowMessageBox(QStringLiteral("Attenzione: l'elenco non contiene nessun volantino offerte."),
                            app::MessageKind::Warning, this);
        return;
    }
    QListWidgetItem* selected = selectedEntry();
    if (!selected) {
        app::ShowMessageBox(QStringLiteral("Attenzione: selezionare dall'elenco il volantino offerte da eliminare "
                                           "prima di premere il pulsante del cestino."),
                            app::MessageKind::Warning, this);
        return;
    }
    const QString question =
        QStringLiteral("Si sta per eliminare il volantino offerte selezionato. Si ricorda che il file eliminato non "
                       "potrà essere recuperato.")
        + QStringLiteral("\r\n\r\n") + QStringLiteral("Si conferma l'eliminazione dell'archivio?");
    if (app::ShowMessageBox(question, app::MessageKind::Confirmation, this) != app::MessageAnswer::Yes)
        return;

    lblFile->setText(EntryPath(selected->text()));
    if (DeleteFlyer(lblFile->text())) {
        app::ShowMessageBox(QStringLiteral("Il volantino offerte è stato eliminato con successo."),
                            app::MessageKind::Information, this);
    } else {
        app::ShowMessageBox(
            QStringLiteral("Attenzione: non è stato possibile eliminare il volantino offerte selezionato."),
            app::MessageKind::Warning, this);
    }
    lblMemory->setText(kAvvio);
    lblFile->clear();
    ListFlyers();
}

} // namespace catalog
