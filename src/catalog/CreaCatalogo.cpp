#include "catalog/CreaCatalogo.h"

#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/FieldStyle.h"
#include "ui/ScreenRegistry.h"
#include "base/Text.h"
#include "ui/Widgets.h"
#include "catalog/FlyerCatalog.h"
#include "help/HelpWindows.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>

namespace catalog {

namespace {

const QColor kSteelBlue(0x46, 0x82, 0xB4);

// Throws away the filtered characters before they reach the field, and keeps Enter from
// doing anything.
class NameKeyFilter : public QObject {
public:
    explicit NameKeyFilter(QLineEdit* edit)
        : QObject(edit)
        , m_edit(edit)
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::InputMethod) {
            // Text composed by an input method arrives without a key press.
            auto* input = static_cast<QInputMethodEvent*>(event);
            QString commit = input->commitString();
            commit.removeIf(IsFilteredNameKey);
            if (commit.size() != input->commitString().size())
                input->setCommitString(commit, input->replacementStart(), input->replacementLength());
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return true;
        const QString text = key->text();
        if (text.isEmpty() || std::none_of(text.cbegin(), text.cend(), IsFilteredNameKey))
            return false;
        QString kept;
        for (QChar c : text) {
            if (!IsFilteredNameKey(c))
                kept += c;
        }
        if (!kept.isEmpty())
            m_edit->insert(kept);
        return true;
    }

private:
    QLineEdit* m_edit;
};

} // namespace

bool IsFilteredNameKey(QChar c)
{
    switch (c.unicode()) {
    case 34:
    case 42:
    case 47:
    case 58:
    case 60:
    case 62:
    case 63:
    case 92:
    case 176:
    case 199:
    case 209:
    case 231:
    case 241:
        return true;
    default:
        return false;
    }
}

TfrmCreaCatalogo::TfrmCreaCatalogo(ui::ScreenRegistry& screens)
    : ui::MaximisedScreen(screens, QStringLiteral("frmCreaCatalogo"),
                           QStringLiteral(" Vetrinalia - Creazione volantino offerte"), QColor(0x42, 0x7A, 0xA8),
                           Qt::white)
{

    auto* panel = new QWidget(content());
    panel->setObjectName(QStringLiteral("panCrea"));
    ui::Place(panel, (ui::kMaximisedContentSize.width() - 995) / 2,
               (ui::kMaximisedContentSize.height() - 692) / 2, 995, 692);

    ui::Place(new ui::Rect(QStringLiteral("bkgSfondo02"), kSteelBlue, panel), 8, 8, 978, 676);
    ui::Place(new ui::Rect(QStringLiteral("bkgSfondo01"), Qt::white, panel), 8, 8, 129, 137);
    auto* badge = new ui::Picture(QStringLiteral("icoIcona04"), QStringLiteral(":/catalog/coccarda.svg"), panel);
    badge->setAccessibleName(QStringLiteral("Offerta speciale"));
    ui::Place(badge, 16, 22, 112, 112);

    auto* istruzioni = new ui::Picture(QStringLiteral("icoIstruzioni"), QStringLiteral(":/catalog/istruzioni_crea.svg"), panel);
    istruzioni->setAccessibleName(QStringLiteral("Creazione nuovo volantino offerte"));
    istruzioni->setAccessibleDescription(
        QStringLiteral("Indicare il nome del nuovo volantino nella casella sottostante e fare clic su Applica e chiudi. "
                       "Il nome attribuito apparirà nell'elenco visualizzato tramite il pulsante Apri volantino esistente. "
                       "Premere Annulla per uscire da questa schermata senza creare un nuovo volantino."));
    ui::Place(istruzioni, 152, 24, 670, 108);

    ui::Place(new ui::Rect(QStringLiteral("bkgSfondo03"), Qt::white, panel), 136, 144, 850, 190);
    ui::Place(new ui::Rect(QStringLiteral("bkgSfondo04"), Qt::white, panel), 136, 144, 282, 512);
    auto* foto = new ui::Picture(QStringLiteral("icoIcona02"), QStringLiteral(":/catalog/donna_laptop.svg"), panel);
    foto->setAccessibleName(QStringLiteral("Donna al lavoro con un computer portatile"));
    ui::Place(foto, 146, 154, 262, 492);

    imgGuida = new ui::PictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/avvio/guida.svg"),
                                      QStringLiteral("Guida"), panel);
    ui::Place(imgGuida, 946, 152, 29, 28);

    auto* mano = new ui::Picture(QStringLiteral("icoMano"), QStringLiteral(":/catalog/mano.svg"), panel);
    ui::Place(mano, 692, 154, 30, 58);

    ui::Place(new ui::Rect(QStringLiteral("bkgFile"), kSteelBlue, Qt::white, panel), 418, 220, 566, 78);

    txtFile = new QLineEdit(panel);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    txtFile->setAccessibleName(QStringLiteral("Nome del nuovo volantino offerte"));
    QFont fieldFont(QStringLiteral("Verdana"), 16);
    fieldFont.setBold(true);
    txtFile->setFont(fieldFont);
    txtFile->setMaxLength(250);
    ui::Place(txtFile, 438, 240, 526, 34);
    ui::InstallBackgroundHighlight(txtFile, ui::kFieldAliceBlue);
    new NameKeyFilter(txtFile);

    ui::Place(new ui::Rect(QStringLiteral("bkgSfondo05"), Qt::white, panel), 424, 588, 554, 68);
    btnAnnulla = new ui::PictureButton(QStringLiteral("btnAnnulla"), QStringLiteral(":/catalog/barra_annulla.svg"),
                                        QStringLiteral("Annulla"), panel);
    ui::Place(btnAnnulla, 436, 603, 258, 45);
    btnApplica = new ui::PictureButton(QStringLiteral("btnApplica"), QStringLiteral(":/catalog/barra_applica_chiudi.svg"),
                                        QStringLiteral("Applica e chiudi"), panel);
    ui::Place(btnApplica, 710, 603, 258, 45);

    lblFile = new QLabel(panel);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setAccessibleDescription(QStringLiteral("Percorso del nuovo archivio"));
    lblFile->hide();

    connect(btnApplica, &ui::PictureButton::clicked, this, &TfrmCreaCatalogo::btnApplicaClick);
    connect(btnAnnulla, &ui::PictureButton::clicked, this, &TfrmCreaCatalogo::btnAnnullaClick);
    connect(imgGuida, &ui::PictureButton::clicked, this, &TfrmCreaCatalogo::imgGuidaClick);
}

void TfrmCreaCatalogo::btnApplicaClick()
{
    ui::RunCommand(this, [this] { confirmCommand(); });
}

void TfrmCreaCatalogo::btnAnnullaClick()
{
    close();
}

void TfrmCreaCatalogo::imgGuidaClick()
{
    help::ShowHelpTopic(screens(), this, help::HelpTopic::CreateOpen);
}

void TfrmCreaCatalogo::onShow()
{
    txtFile->clear();
    txtFile->setFocus(Qt::OtherFocusReason);
}

void TfrmCreaCatalogo::onClose()
{
    screens().show(ui::ScreenId::Start);
    hide();
}

void TfrmCreaCatalogo::confirmCommand()
{
    lblFile->clear();

    const QString name = base::TrimBlanks(txtFile->text());
    if (name.isEmpty()) {
        ui::ShowMessageBox(QStringLiteral("Attenzione: per creare l'archivio è necessario indicare il nome del "
                                           "nuovo volantino offerte."),
                            ui::MessageKind::Warning, this);
        txtFile->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Pasted text passes the key filter: a separator or a control character would lead
    // outside the program folder.
    if (HasForbiddenNameCharacters(name)) {
        ui::ShowMessageBox(
            QStringLiteral("Attenzione: il nome del volantino offerte contiene caratteri non ammessi."),
            ui::MessageKind::Warning, this);
        txtFile->setFocus(Qt::OtherFocusReason);
        return;
    }

    lblFile->setText(NewFlyerPath(name));
    if (CreateEmptyFlyer(lblFile->text()) == CreateResult::AlreadyExists) {
        ui::ShowMessageBox(
            QStringLiteral("Attenzione: il nome del volantino offerte indicato è già stato utilizzato in precedenza.")
                + QStringLiteral("\r\n\r\n")
                + QStringLiteral("Inserire un nome diverso oppure, se si desidera aprire un volantino offerte già "
                                 "creato, premere il pulsante Apri volantino esistente."),
            ui::MessageKind::Warning, this);
        return;
    }

    ui::ShowMessageBox(
        QStringLiteral("Il file di archivio relativo al nuovo volantino offerte è stato creato con successo.")
            + QStringLiteral("\r\n\r\n") + QStringLiteral("E' ora possibile visualizzarlo nell'elenco dei volantini esistenti."),
        ui::MessageKind::Information, this);
    close();
}

} // namespace catalog
