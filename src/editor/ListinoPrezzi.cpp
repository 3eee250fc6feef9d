#include "editor/ListinoPrezzi.h"

#include "base/Text.h"
#include "editor/FieldText.h"
#include "editor/FlyerPages.h"
#include "editor/PhotoBox.h"
#include "editor/PriceEdit.h"
#include "help/HelpWindows.h"
#include "print/PrintCommands.h"
#include "storage/PhotoStore.h"
#include "ui/ErrorReport.h"
#include "ui/FieldStyle.h"
#include "ui/ScreenRegistry.h"
#include "ui/Widgets.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace editor {

namespace {

const QColor kBodyColour(0xC8, 0xD6, 0xE3);
const QColor kBoxColour(0xE4, 0xE4, 0xE4);
const QColor kStatusColour(0x30, 0x30, 0xDD);
const QColor kTileBorder(0x9C, 0xB4, 0xCC);

// The frame the controls are placed on, centred in the 1016 x 713 content.
constexpr QSize kFrameSize{995, 692};

// Product boxes: left column slots A to D, right column E to H; photo 10 units in.
constexpr int kBoxWidth = 470;
constexpr int kBoxHeight = 120;
constexpr int kBoxTop = 118;
constexpr int kBoxPitch = 128;
constexpr int kLeftBoxX = 24;
constexpr int kRightBoxX = 502;
constexpr int kPhotoInset = 10;
// Fields right of the photo: four rows of 23 units, 4 apart.
constexpr int kFieldX = 156;
constexpr int kFieldWidth = 306;
constexpr int kFieldHeight = 23;
constexpr int kRowPitch = 27;
constexpr int kCodiceWidth = 146;
constexpr int kFieldGap = 6;

const char16_t* const kPhotoHint = u"Carica una foto del prodotto in offerta.";

QString Letter(int slot)
{
    return QString(storage::SlotLetter(slot));
}

QFont VerdanaFont(bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(12);
    font.setBold(bold);
    return font;
}

QLabel* MakeLabel(const QString& name, const QString& text, const QString& description, const QFont& font,
                  const QString& style, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleDescription(description);
    label->setFont(font);
    label->setStyleSheet(style);
    return label;
}

// The texts the editor shows when a save is refused, by reason.
QString RefusalText(SaveRefusal::Reason reason)
{
    switch (reason) {
    case SaveRefusal::Reason::NomeMissing:
        return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del primo prodotto.");
    case SaveRefusal::Reason::UmMissing:
        return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare l'aspetto esteriore del primo "
                              "prodotto.");
    case SaveRefusal::Reason::CaratteristicheMissing:
        return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare le caratteristiche del primo "
                              "prodotto.");
    case SaveRefusal::Reason::CodiceMissing:
        return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il codice articolo del primo "
                              "prodotto.");
    case SaveRefusal::Reason::PrezzoMissing:
        return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il prezzo di vendita del primo "
                              "prodotto.");
    case SaveRefusal::Reason::PrezzoTooLong:
        return QStringLiteral("Attenzione: il prezzo di vendita indicato è troppo lungo per essere salvato in "
                              "archivio.");
    }
    return {};
}

} // namespace

TfrmListinoPrezzi::TfrmListinoPrezzi(ui::ScreenRegistry& screens)
    : ui::MaximisedScreen(screens, QStringLiteral("frmListinoPrezzi"),
                           QStringLiteral(" Vetrinalia - Pagine Volantino"), QColor(0x42, 0x7A, 0xA8),
                           Qt::white)
{
    addBackground(this);
    addBackground(content());
    QWidget* frame = buildFrame();
    buildCommands(frame);
    buildLabels(frame);
    for (int s = 0; s < 8; ++s)
        buildSlot(frame, s);
    chainFields();

    panInfo = MakeLabel(QStringLiteral("panInfo"), QStringLiteral("Pronto per archiviare una nuova scheda..."),
                        QStringLiteral("Stato"), QFont(QStringLiteral("Tahoma"), 12), QStringLiteral("color: white;"),
                        frame);
    panInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui::Place(panInfo, 20, 640, 720, 44);
    panInfo->setAttribute(Qt::WA_NoMousePropagation);

    lblFile = new QLabel(frame);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setAccessibleDescription(QStringLiteral("Percorso archivio"));
    lblFile->hide();

    // The blank picture, held off the visible panel and never shown itself.
    imgBianco = new PhotoBox(QStringLiteral("imgBianco"), frame);
    imgBianco->move(-PhotoBox::kBoxSize.width() - 8, -PhotoBox::kBoxSize.height() - 8);
    imgBianco->hide();
    // The badge is drawn when first needed (the first showing clears the page with it), so
    // that start-up, which only shows the login, does not pay for it.
}

QWidget* TfrmListinoPrezzi::buildFrame()
{
    auto* frame = new ui::Rect(QStringLiteral("panCornice"), QColor(0x42, 0x7A, 0xA8), Qt::white, content());
    frame->setGeometry(QRect(QPoint((content()->width() - kFrameSize.width()) / 2,
                                    (content()->height() - kFrameSize.height()) / 2),
                             kFrameSize));
    addBackground(frame);

    const auto rect = [&](const QString& name, const QColor& fill, const QRect& place) {
        auto* shape = new ui::Rect(name, fill, frame);
        ui::Place(shape, place.x(), place.y(), place.width(), place.height());
        addBackground(shape);
        return shape;
    };
    // Toolbar tiles.
    const std::pair<const char16_t*, QRect> tiles[] = {
        {u"bkgNuovo", {8, 8, 49, 51}},          {u"bkgSalva", {63, 8, 49, 51}},
        {u"bkgAnteprima", {118, 8, 160, 51}},   {u"bkgStampa", {284, 8, 160, 51}},
        {u"bkgNavigazione", {450, 8, 250, 51}}, {u"bkgGuida", {883, 8, 49, 51}},
        {u"bkgEsci", {938, 8, 49, 51}},
    };
    for (const auto& [name, place] : tiles)
        rect(QString::fromUtf16(name), Qt::white, place)->setBorder(kTileBorder);

    // Body, title bar, product boxes, status bar.
    rect(QStringLiteral("bkgCorpo"), kBodyColour, {8, 66, 979, 566});
    m_title = rect(QStringLiteral("bkgTitolo"), Qt::black, {kLeftBoxX, 76, kRightBoxX + kBoxWidth - kLeftBoxX, 34});
    for (int b = 0; b < 8; ++b) {
        rect(QStringLiteral("bkgProdotto_0%1").arg(b + 1), kBoxColour,
             {b < 4 ? kLeftBoxX : kRightBoxX, kBoxTop + (b % 4) * kBoxPitch, kBoxWidth, kBoxHeight})
            ->setBorder(Qt::white, 2);
    }
    rect(QStringLiteral("bkgStato"), kStatusColour, {8, 640, 979, 44});
    return frame;
}

void TfrmListinoPrezzi::buildCommands(QWidget* frame)
{
    struct Command {
        const char16_t* name;
        const char16_t* resource;
        const char16_t* accessibleName;
        const char16_t* hint;
        QRect place;
        void (TfrmListinoPrezzi::*click)();
    };
    const Command commands[] = {
        {u"cmdNuovo", u":/editor/nuovo.svg", u"Nuovo",
         u"Prepara la schermata per l'inserimento di una nuova scheda.", {14, 14, 37, 39},
         &TfrmListinoPrezzi::cmdNuovoClick},
        {u"cmdSalva", u":/editor/salva.svg", u"Salva", u"Salva la scheda corrente.", {69, 14, 37, 39},
         &TfrmListinoPrezzi::cmdSalvaClick},
        {u"cmdAnteprima", u":/editor/anteprima.svg", u"Anteprima",
         u"Visualizza l'anteprima di stampa della scheda corrente.", {124, 17, 148, 32},
         &TfrmListinoPrezzi::cmdAnteprimaClick},
        {u"cmdStampa", u":/editor/stampa.svg", u"Stampa", u"Stampa la scheda corrente.", {290, 17, 148, 32},
         &TfrmListinoPrezzi::cmdStampaClick},
        {u"cmdPrimo", u":/editor/primo.svg", u"Prima scheda", u"Visualizza la prima scheda in archivio.",
         {456, 14, 37, 39}, &TfrmListinoPrezzi::cmdPrimoClick},
        {u"cmdIndietro", u":/editor/indietro.svg", u"Scheda precedente",
         u"Visualizza la scheda precedente in archivio.", {497, 14, 37, 39},
         &TfrmListinoPrezzi::cmdIndietroClick},
        {u"cmdAvanti", u":/editor/avanti.svg", u"Scheda successiva",
         u"Visualizza la scheda successiva in archivio.", {616, 14, 37, 39},
         &TfrmListinoPrezzi::cmdAvantiClick},
        {u"cmdUltimo", u":/editor/ultimo.svg", u"Ultima scheda", u"Visualizza l'ultima scheda in archivio.",
         {657, 14, 37, 39}, &TfrmListinoPrezzi::cmdUltimoClick},
        {u"cmdGuida", u":/editor/guida.svg", u"Guida",
         u"Visualizza la pagina della guida sensibile al contesto.", {889, 14, 37, 39},
         &TfrmListinoPrezzi::cmdGuidaClick},
        {u"cmdEsci", u":/editor/esci.svg", u"Esci", u"Esci da questa schermata di lavoro.", {944, 14, 37, 39},
         &TfrmListinoPrezzi::cmdEsciClick},
    };
    for (const Command& command : commands) {
        auto* button = new ui::PictureButton(QString::fromUtf16(command.name), QString::fromUtf16(command.resource),
                                             QString::fromUtf16(command.accessibleName), frame);
        button->setGeometry(command.place);
        const QString hint = QString::fromUtf16(command.hint);
        connect(button, &ui::PictureButton::hovered, this, [this, hint] { panInfo->setText(hint); });
        connect(button, &ui::PictureButton::clicked, this, command.click);
    }
}

void TfrmListinoPrezzi::buildLabels(QWidget* frame)
{
    lblPosizione = MakeLabel(QStringLiteral("lblPosizione"), QString(), QStringLiteral("Numero scheda"),
                             VerdanaFont(true), QStringLiteral("color: #1A3C78;"), frame);
    lblPosizione->setAlignment(Qt::AlignCenter);
    ui::Place(lblPosizione, 538, 14, 74, 39);
    lblPosizione->setAttribute(Qt::WA_NoMousePropagation);

    lblNome = MakeLabel(QStringLiteral("lblNome"), QStringLiteral("Titolo volantino offerte"),
                        QStringLiteral("Titolo volantino"), VerdanaFont(false), QStringLiteral("color: white;"),
                        frame);
    lblNome->setAlignment(Qt::AlignCenter);
    lblNome->setGeometry(m_title->geometry().adjusted(4, 0, -4, 0));
    addBackground(lblNome);
}

// One product box's fields and photo, in tab order: name, appearance, features, code, price.
void TfrmListinoPrezzi::buildSlot(QWidget* frame, int s)
{
    const QString letter = Letter(s);
    const int boxX = s < 4 ? kLeftBoxX : kRightBoxX;
    const int boxY = kBoxTop + (s % 4) * kBoxPitch;
    const int x = boxX + kFieldX;
    const int y = boxY + kPhotoInset;
    const QFont fieldFont = VerdanaFont(true);

    const auto field = [&](const QString& name, const QString& accessibleName, int maxLength, int row) {
        auto* edit = new QLineEdit(frame);
        edit->setObjectName(name + letter);
        edit->setAccessibleName(accessibleName + QLatin1Char(' ') + letter);
        edit->setMaxLength(maxLength);
        edit->setFont(fieldFont);
        ui::Place(edit, x, y + row * kRowPitch, row == 3 ? kCodiceWidth : kFieldWidth, kFieldHeight);
        return edit;
    };
    m_txtNome[s] = field(QStringLiteral("txtNome_"), QStringLiteral("Nome prodotto"), kNomeLength, 0);
    m_txtUM[s] = field(QStringLiteral("txtUM_"), QStringLiteral("Aspetto prodotto"), kUmLength, 1);
    m_txtCaratteristiche[s] =
        field(QStringLiteral("txtCaratteristiche_"), QStringLiteral("Caratteristiche prodotto"), kCaratteristicheLength, 2);
    m_txtCodice[s] = field(QStringLiteral("txtCodice_"), QStringLiteral("Codice articolo"), kCodiceLength, 3);

    // The price field keeps its own 12-character typing limit: a length limit on the
    // edit would also cut a longer normalised text.
    auto* price = new PriceEdit(QStringLiteral("txtPrezzo_") + letter, frame);
    price->setAccessibleName(QStringLiteral("Prezzo prodotto ") + letter);
    price->setFont(fieldFont);
    price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    price->setText(QStringLiteral("0,00"));
    ui::Place(price, x + kCodiceWidth + kFieldGap, y + 3 * kRowPitch, kFieldWidth - kCodiceWidth - kFieldGap,
              kFieldHeight);
    m_txtPrezzo[s] = price;

    auto* photo = new PhotoBox(QStringLiteral("imgFoto_") + letter, frame);
    photo->setAccessibleName(QStringLiteral("Foto prodotto ") + letter);
    photo->move(boxX + kPhotoInset, boxY + kPhotoInset);
    connect(photo, &PhotoBox::hovered, this, [this] { panInfo->setText(QString::fromUtf16(kPhotoHint)); });
    connect(photo, &PhotoBox::clicked, this, [this, s] { imgFotoClick(s); });
    m_imgFoto[s] = photo;

    m_chain[s * 5 + 0] = m_txtNome[s];
    m_chain[s * 5 + 1] = m_txtUM[s];
    m_chain[s * 5 + 2] = m_txtCaratteristiche[s];
    m_chain[s * 5 + 3] = m_txtCodice[s];
    m_chain[s * 5 + 4] = m_txtPrezzo[s];
}

// The 40 fields in one tab and Enter chain, slot H leading back to slot A.
void TfrmListinoPrezzi::chainFields()
{
    for (int i = 0; i < int(m_chain.size()); ++i) {
        QLineEdit* edit = m_chain[i];
        edit->setFocusPolicy(Qt::StrongFocus);
        edit->setAttribute(Qt::WA_NoMousePropagation);
        ui::InstallBackgroundHighlight(edit, ui::kFieldWhite);
        if (i > 0)
            setTabOrder(m_chain[i - 1], edit);
    }
    for (int s = 0; s < 8; ++s) {
        for (QLineEdit* edit : {m_txtNome[s], m_txtUM[s], m_txtCaratteristiche[s], m_txtCodice[s]})
            edit->installEventFilter(this);
        QLineEdit* next = m_txtNome[(s + 1) % 8];
        connect(m_txtPrezzo[s], &PriceEdit::enterPressed, this, [next] { next->setFocus(Qt::TabFocusReason); });
    }
}

void TfrmListinoPrezzi::addBackground(QWidget* widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    m_backgrounds.append(widget);
}

bool TfrmListinoPrezzi::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            break;
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (QLineEdit* next = edit ? nextInChain(edit) : nullptr) {
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    case QEvent::MouseMove:
        // Only a movement counts: a window appearing under the pointer keeps the text.
        if (m_backgrounds.contains(static_cast<QWidget*>(watched)) && panInfo)
            panInfo->clear();
        break;
    default:
        break;
    }
    return ui::MaximisedScreen::eventFilter(watched, event);
}

QLineEdit* TfrmListinoPrezzi::nextInChain(const QLineEdit* field) const
{
    for (int i = 0; i < int(m_chain.size()); ++i) {
        if (m_chain[i] == field)
            return m_chain[(i + 1) % m_chain.size()];
    }
    return nullptr;
}

QImage TfrmListinoPrezzi::BlankPicture() const
{
    if (imgBianco->picture().isNull())
        imgBianco->setPicture(storage::DrawBlankPicture());
    return imgBianco->picture();
}

QString TfrmListinoPrezzi::AccessErrorText()
{
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.") + QStringLiteral("\n\r\n\r")
        + QStringLiteral("Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                         "programma.");
}

QString TfrmListinoPrezzi::EmptyArchiveText()
{
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}

ui::FileRequest TfrmListinoPrezzi::PhotoFileRequest()
{
    return {QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
            {QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)"), QStringLiteral("Immagine Bitmap (*.bmp)")},
            QStringLiteral("JPG")};
}

void TfrmListinoPrezzi::ClearPage()
{
    for (int s = 0; s < 8; ++s) {
        m_txtCodice[s]->clear();
        m_txtNome[s]->clear();
        m_txtUM[s]->clear();
        m_txtCaratteristiche[s]->clear();
        m_txtPrezzo[s]->setText(QStringLiteral("0,00"));
        m_imgFoto[s]->setPicture(BlankPicture());
    }
    lblPosizione->clear();
    m_txtNome[0]->setFocus(Qt::OtherFocusReason);
}

void TfrmListinoPrezzi::ShowPageRecord(const storage::PageRecord& record)
{
    for (int s = 0; s < 8; ++s) {
        const storage::ProductSlot& slot = record.slots[s];
        m_txtCodice[s]->setText(base::TrimBlanks(slot.codice));
        m_txtNome[s]->setText(base::TrimBlanks(slot.nome));
        m_txtUM[s]->setText(base::TrimBlanks(slot.um));
        m_txtCaratteristiche[s]->setText(base::TrimBlanks(slot.caratteristiche));
        m_txtPrezzo[s]->setText(base::TrimBlanks(slot.prezzo));
        // setText leaves the caret at the end, which scrolls a text longer than its field
        // to its tail: each field shows its beginning.
        for (QLineEdit* field : {m_txtCodice[s], m_txtNome[s], m_txtUM[s], m_txtCaratteristiche[s],
                                 static_cast<QLineEdit*>(m_txtPrezzo[s])})
            field->setCursorPosition(0);
    }
}

storage::PageRecord TfrmListinoPrezzi::FillPageRecord() const
{
    storage::PageRecord record;
    for (int s = 0; s < 8; ++s) {
        storage::ProductSlot& slot = record.slots[s];
        slot.codice = base::TrimBlanks(m_txtCodice[s]->text());
        slot.nome = base::TrimBlanks(m_txtNome[s]->text());
        slot.um = base::TrimBlanks(m_txtUM[s]->text());
        slot.caratteristiche = base::TrimBlanks(m_txtCaratteristiche[s]->text());
        slot.prezzo = base::TrimBlanks(m_txtPrezzo[s]->text());
    }
    return record;
}

void TfrmListinoPrezzi::SaveAllSlotPhotos()
{
    storage::SlotPictures pictures;
    for (int s = 0; s < 8; ++s)
        pictures[s] = m_imgFoto[s]->picture();
    const std::array<bool, 8> stored = storage::SaveSlotPhotos(pictures, lblNome->text(), lblPosizione->text());
    for (int s = 0; s < 8; ++s) {
        if (!stored[s])
            m_imgFoto[s]->setPicture(BlankPicture());
    }
}

void TfrmListinoPrezzi::LoadAllSlotPhotos()
{
    const storage::SlotPhotos photos = storage::LoadSlotPhotos(lblNome->text(), lblPosizione->text());
    for (int s = 0; s < 8; ++s)
        m_imgFoto[s]->setPicture(photos[s] ? *photos[s] : BlankPicture());
}

FlyerPages TfrmListinoPrezzi::pages() const
{
    return FlyerPages(lblFile->text());
}

bool TfrmListinoPrezzi::runArchiveCommand(const std::function<void()>& command)
{
    return ui::RunGuarded<storage::StorageError>(this, {AccessErrorText(), ui::MessageKind::Error}, command);
}

void TfrmListinoPrezzi::move(const PageStep& step)
{
    PageMove move;
    if (!runArchiveCommand([&] { move = step(pages(), lblPosizione->text()); }))
        return;
    switch (move.outcome) {
    case PageMove::Outcome::Moved:
        ShowPageRecord(move.record);
        lblPosizione->setText(QString::number(move.number));
        LoadAllSlotPhotos();
        break;
    case PageMove::Outcome::Empty:
        if (move.numberCleared)
            lblPosizione->clear();
        ui::ShowMessageBox(EmptyArchiveText(), ui::MessageKind::Information, this);
        break;
    case PageMove::Outcome::Stayed:
        break;
    }
}

void TfrmListinoPrezzi::cmdPrimoClick()
{
    move([](const FlyerPages& pages, const QString&) { return pages.first(); });
}

void TfrmListinoPrezzi::cmdIndietroClick()
{
    move(&FlyerPages::previous);
}

void TfrmListinoPrezzi::cmdAvantiClick()
{
    move(&FlyerPages::next);
}

void TfrmListinoPrezzi::cmdUltimoClick()
{
    move([](const FlyerPages& pages, const QString&) { return pages.last(); });
}

void TfrmListinoPrezzi::cmdNuovoClick()
{
    ClearPage();
    m_txtNome[0]->setFocus(Qt::OtherFocusReason);
}

QLineEdit* TfrmListinoPrezzi::refusedField(const SaveRefusal& refusal) const
{
    switch (refusal.reason) {
    case SaveRefusal::Reason::NomeMissing:
        return m_txtNome[0];
    case SaveRefusal::Reason::UmMissing:
        return m_txtUM[0];
    case SaveRefusal::Reason::CaratteristicheMissing:
        return m_txtCaratteristiche[0];
    case SaveRefusal::Reason::CodiceMissing:
        return m_txtCodice[0];
    case SaveRefusal::Reason::PrezzoMissing:
    case SaveRefusal::Reason::PrezzoTooLong:
        break;
    }
    return m_txtPrezzo[refusal.slot];
}

void TfrmListinoPrezzi::cmdSalvaClick()
{
    const storage::PageRecord record = FillPageRecord();
    if (const std::optional<SaveRefusal> refusal = FlyerPages::CheckBeforeSave(record)) {
        ui::ShowMessageBox(RefusalText(refusal->reason), ui::MessageKind::Warning, this);
        refusedField(*refusal)->setFocus(Qt::OtherFocusReason);
        return;
    }
    SavedPage saved;
    if (!runArchiveCommand([&] { saved = pages().save(lblPosizione->text(), record); }))
        return;
    lblPosizione->setText(QString::number(saved.number));
    SaveAllSlotPhotos();
    ui::ShowMessageBox(saved.appended ? QStringLiteral("La scheda corrente è stata inserita in archivio.")
                                      : QStringLiteral("Le modifiche apportate alla scheda corrente sono state "
                                                       "salvate in archivio."),
                       ui::MessageKind::Information, this);
}

void TfrmListinoPrezzi::imgFotoClick(int slot)
{
    if (slot < 0 || slot >= 8)
        return;
    const QString file = ui::Seam().openFileName(this, PhotoFileRequest());
    if (file.isEmpty())
        return;
    const std::optional<QImage> photo = storage::LoadPhoto(file);
    m_imgFoto[slot]->setPicture(photo ? *photo : BlankPicture());
}

print::PageContent TfrmListinoPrezzi::pageContent() const
{
    storage::SlotPictures pictures;
    for (int s = 0; s < 8; ++s)
        pictures[s] = m_imgFoto[s]->picture();
    return print::BuildPageContent(FillPageRecord(), lblNome->text(), lblPosizione->text(), pictures);
}

print::PageContent TfrmListinoPrezzi::printedPage()
{
    print::PageContent page = pageContent();
    const print::ReloadedPictures reloaded = print::PreparePreviewPictures(page);
    for (int s = 0; s < 8; ++s) {
        if (reloaded.slots.test(s))
            m_imgFoto[s]->setPicture(reloaded.pictures[s]);
    }
    return page;
}

void TfrmListinoPrezzi::cmdAnteprimaClick()
{
    print::RunPreviewDialog(screens(), this, printedPage());
}

void TfrmListinoPrezzi::cmdStampaClick()
{
    print::RunPrintDialog(screens(), this, printedPage());
}

void TfrmListinoPrezzi::cmdGuidaClick()
{
    help::ShowHelpTopic(screens(), this, help::HelpTopic::Editor);
}

void TfrmListinoPrezzi::cmdEsciClick()
{
    close();
}

void TfrmListinoPrezzi::onShow()
{
    ClearPage();
}

void TfrmListinoPrezzi::onClose()
{
    screens().show(ui::ScreenId::Start);
    hide();
}

} // namespace editor
