#include "editor/ListinoPrezzi.h"

#include "app/Avvio.h"
#include "app/FieldStyle.h"
#include "app/Screens.h"
#include "app/Startup.h"
#include "app/Text.h"
#include "app/Widgets.h"
#include "editor/PhotoBox.h"
#include "editor/PriceEdit.h"
#include "help/HelpTopics.h"
#include "print/PrintCommands.h"
#include "storage/PhotoStore.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSvgRenderer>
#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

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

QImage RenderBlankPicture()
{
    QImage image(PhotoBox::kBoxSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(QStringLiteral(":/editor/bianco.svg"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(PhotoBox::kBoxSize)));
    painter.end();
    return image;
}

QFont FieldFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

} // namespace

TfrmListinoPrezzi::TfrmListinoPrezzi(app::Screens& screens)
    : app::MaximisedScreen(screens, QStringLiteral("frmListinoPrezzi"),
                           QStringLiteral(" Vetrinalia - Pagine Volantino"), QColor(0x42, 0x7A, 0xA8),
                           Qt::white)
{
    app::ApplyNumberSettings();
    buildLayout();
}

void TfrmListinoPrezzi::buildLayout()
{
    addBackground(this);
    addBackground(content());

    auto* frame = new app::Rect(QStringLiteral("panCornice"), QColor(0x42, 0x7A, 0xA8), Qt::white, content());
    frame->setGeometry(QRect(QPoint((content()->width() - kFrameSize.width()) / 2,
                                    (content()->height() - kFrameSize.height()) / 2),
                             kFrameSize));
    addBackground(frame);

    // Toolbar tiles.
    const auto tile = [&](const QString& name, int x, int width) {
        auto* rect = new app::Rect(name, Qt::white, frame);
        rect->setBorder(kTileBorder);
        app::Place(rect, x, 8, width, 51);
        addBackground(rect);
    };
    tile(QStringLiteral("bkgNuovo"), 8, 49);
    tile(QStringLiteral("bkgSalva"), 63, 49);
    tile(QStringLiteral("bkgAnteprima"), 118, 160);
    tile(QStringLiteral("bkgStampa"), 284, 160);
    tile(QStringLiteral("bkgNavigazione"), 450, 250);
    tile(QStringLiteral("bkgGuida"), 883, 49);
    tile(QStringLiteral("bkgEsci"), 938, 49);

    // Body, title bar, product boxes, status bar.
    auto* body = new app::Rect(QStringLiteral("bkgCorpo"), kBodyColour, frame);
    app::Place(body, 8, 66, 979, 566);
    addBackground(body);
    auto* title = new app::Rect(QStringLiteral("bkgTitolo"), Qt::black, frame);
    app::Place(title, kLeftBoxX, 76, kRightBoxX + kBoxWidth - kLeftBoxX, 34);
    addBackground(title);
    for (int b = 0; b < 8; ++b) {
        auto* box = new app::Rect(QStringLiteral("bkgProdotto_0%1").arg(b + 1), kBoxColour, frame);
        box->setBorder(Qt::white, 2);
        app::Place(box, b < 4 ? kLeftBoxX : kRightBoxX, kBoxTop + (b % 4) * kBoxPitch, kBoxWidth, kBoxHeight);
        addBackground(box);
    }
    auto* status = new app::Rect(QStringLiteral("bkgStato"), kStatusColour, frame);
    app::Place(status, 8, 640, 979, 44);
    addBackground(status);

    // Commands.
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
        auto* button = new app::PictureButton(QString::fromUtf16(command.name), QString::fromUtf16(command.resource),
                                              QString::fromUtf16(command.accessibleName), frame);
        button->setGeometry(command.place);
        const QString hint = QString::fromUtf16(command.hint);
        connect(button, &app::PictureButton::hovered, this, [this, hint] { panInfo->setText(hint); });
        connect(button, &app::PictureButton::clicked, this, command.click);
    }

    lblPosizione = new QLabel(frame);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAccessibleDescription(QStringLiteral("Numero scheda"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    {
        QFont font(QStringLiteral("Verdana"));
        font.setPointSize(12);
        font.setBold(true);
        lblPosizione->setFont(font);
    }
    lblPosizione->setStyleSheet(QStringLiteral("color: #1A3C78;"));
    app::Place(lblPosizione, 538, 14, 74, 39);
    lblPosizione->setAttribute(Qt::WA_NoMousePropagation);

    lblNome = new QLabel(QStringLiteral("Titolo volantino offerte"), frame);
    lblNome->setObjectName(QStringLiteral("lblNome"));
    lblNome->setAccessibleDescription(QStringLiteral("Titolo volantino"));
    lblNome->setAlignment(Qt::AlignCenter);
    {
        QFont font(QStringLiteral("Verdana"));
        font.setPointSize(12);
        lblNome->setFont(font);
    }
    lblNome->setStyleSheet(QStringLiteral("color: white;"));
    lblNome->setGeometry(title->geometry().adjusted(4, 0, -4, 0));
    addBackground(lblNome);

    // The 40 fields and the eight photos, in tab order: name, appearance, features, code,
    // price of slot A, then slot B, and so on.
    const QFont fieldFont = FieldFont();
    for (int s = 0; s < 8; ++s) {
        const QString letter = Letter(s);
        const int boxX = s < 4 ? kLeftBoxX : kRightBoxX;
        const int boxY = kBoxTop + (s % 4) * kBoxPitch;
        const int x = boxX + kFieldX;
        const int y = boxY + kPhotoInset;

        const auto field = [&](const QString& name, const QString& accessibleName, int maxLength, int row) {
            auto* edit = new QLineEdit(frame);
            edit->setObjectName(name + letter);
            edit->setAccessibleName(accessibleName + QLatin1Char(' ') + letter);
            edit->setMaxLength(maxLength);
            edit->setFont(fieldFont);
            app::Place(edit, x, y + row * kRowPitch, row == 3 ? kCodiceWidth : kFieldWidth, kFieldHeight);
            return edit;
        };
        m_txtNome[s] = field(QStringLiteral("txtNome_"), QStringLiteral("Nome prodotto"), 50, 0);
        m_txtUM[s] = field(QStringLiteral("txtUM_"), QStringLiteral("Aspetto prodotto"), 120, 1);
        m_txtCaratteristiche[s] =
            field(QStringLiteral("txtCaratteristiche_"), QStringLiteral("Caratteristiche prodotto"), 250, 2);
        m_txtCodice[s] = field(QStringLiteral("txtCodice_"), QStringLiteral("Codice articolo"), 25, 3);

        // The price field keeps its own 12-character typing limit: a length limit on the
        // edit would also cut a longer normalised text.
        auto* price = new PriceEdit(QStringLiteral("txtPrezzo_") + letter, frame);
        price->setAccessibleName(QStringLiteral("Prezzo prodotto ") + letter);
        price->setFont(fieldFont);
        price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        price->setText(QStringLiteral("0,00"));
        app::Place(price, x + kCodiceWidth + kFieldGap, y + 3 * kRowPitch, kFieldWidth - kCodiceWidth - kFieldGap,
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
    for (int i = 0; i < int(m_chain.size()); ++i) {
        QLineEdit* edit = m_chain[i];
        edit->setFocusPolicy(Qt::StrongFocus);
        edit->setAttribute(Qt::WA_NoMousePropagation);
        app::InstallBackgroundHighlight(edit, app::kFieldWhite);
        if (i > 0)
            setTabOrder(m_chain[i - 1], edit);
    }
    for (int s = 0; s < 8; ++s) {
        for (QLineEdit* edit : {m_txtNome[s], m_txtUM[s], m_txtCaratteristiche[s], m_txtCodice[s]})
            edit->installEventFilter(this);
        QLineEdit* next = m_txtNome[(s + 1) % 8];
        connect(m_txtPrezzo[s], &PriceEdit::enterPressed, this,
                [next] { next->setFocus(Qt::TabFocusReason); });
    }

    panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), frame);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setAccessibleDescription(QStringLiteral("Stato"));
    {
        QFont font(QStringLiteral("Tahoma"));
        font.setPointSize(12);
        panInfo->setFont(font);
    }
    panInfo->setStyleSheet(QStringLiteral("color: white;"));
    panInfo->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    app::Place(panInfo, 20, 640, 720, 44);
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
    return app::MaximisedScreen::eventFilter(watched, event);
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
        imgBianco->setPicture(RenderBlankPicture());
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

app::FileRequest TfrmListinoPrezzi::PhotoFileRequest()
{
    return {QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
            {QStringLiteral("Immagine JPEG (*.jpg *.jpeg)"), QStringLiteral("Immagine Bitmap (*.bmp)")},
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
        m_txtCodice[s]->setText(app::TrimBlanks(slot.codice));
        m_txtNome[s]->setText(app::TrimBlanks(slot.nome));
        m_txtUM[s]->setText(app::TrimBlanks(slot.um));
        m_txtCaratteristiche[s]->setText(app::TrimBlanks(slot.caratteristiche));
        m_txtPrezzo[s]->setText(app::TrimBlanks(slot.prezzo));
    }
}

storage::PageRecord TfrmListinoPrezzi::FillPageRecord() const
{
    storage::PageRecord record;
    for (int s = 0; s < 8; ++s) {
        storage::ProductSlot& slot = record.slots[s];
        slot.codice = app::TrimBlanks(m_txtCodice[s]->text());
        slot.nome = app::TrimBlanks(m_txtNome[s]->text());
        slot.um = app::TrimBlanks(m_txtUM[s]->text());
        slot.caratteristiche = app::TrimBlanks(m_txtCaratteristiche[s]->text());
        slot.prezzo = app::TrimBlanks(m_txtPrezzo[s]->text());
    }
    return record;
}

void TfrmListinoPrezzi::SaveAllSlotPhotos()
{
    std::array<QString, 8> paths;
    std::array<QImage, 8> pictures;
    for (int s = 0; s < 8; ++s) {
        paths[s] = storage::SlotPhotoPath(lblNome->text(), storage::SlotLetter(s), lblPosizione->text());
        pictures[s] = m_imgFoto[s]->picture();
    }
    // Reducing eight camera photos is most of a save: the slots are shared out over the
    // processor's cores. Each slot is still stored by itself, whatever the others do.
    std::array<bool, 8> stored{};
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int s = next++; s < 8; s = next++)
            stored[s] = storage::SavePhoto(pictures[s], paths[s]);
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < qBound(1, QThread::idealThreadCount(), 8); ++i)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
    for (int s = 0; s < 8; ++s) {
        if (!stored[s])
            m_imgFoto[s]->setPicture(BlankPicture());
    }
}

void TfrmListinoPrezzi::LoadAllSlotPhotos()
{
    for (int s = 0; s < 8; ++s) {
        const QString path = storage::SlotPhotoPath(lblNome->text(), storage::SlotLetter(s), lblPosizione->text());
        const std::optional<QImage> photo = storage::LoadPhoto(path);
        m_imgFoto[s]->setPicture(photo ? *photo : BlankPicture());
    }
}

QString TfrmListinoPrezzi::archivePath() const
{
    return app::TrimBlanks(lblFile->text());
}

qint64 TfrmListinoPrezzi::pagePosition() const
{
    const QString text = app::TrimBlanks(lblPosizione->text());
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qint64 position = text.toLongLong(&ok);
    if (!ok || position < 1)
        throw storage::StorageError("unreadable page number");
    return position;
}

void TfrmListinoPrezzi::runArchiveCommand(const std::function<void(storage::FlyerArchive&)>& command)
{
    bool failed = false;
    try {
        storage::FlyerArchive archive(archivePath());
        command(archive);
    } catch (const storage::StorageError&) {
        failed = true;
    }
    // The archive is released by now.
    if (failed)
        app::ShowMessageBox(AccessErrorText(), app::MessageKind::Error, this);
}

void TfrmListinoPrezzi::moveToPage(storage::FlyerArchive& archive, qint64 index)
{
    ShowPageRecord(archive.readPage(index));
    lblPosizione->setText(QString::number(index + 1));
    archive.close();
    LoadAllSlotPhotos();
}

void TfrmListinoPrezzi::cmdPrimoClick()
{
    bool empty = false;
    runArchiveCommand([&](storage::FlyerArchive& archive) {
        if (archive.recordCount() == 0) {
            archive.close();
            empty = true;
            return;
        }
        moveToPage(archive, 0);
    });
    if (empty)
        app::ShowMessageBox(EmptyArchiveText(), app::MessageKind::Information, this);
}

void TfrmListinoPrezzi::cmdAvantiClick()
{
    bool empty = false;
    runArchiveCommand([&](storage::FlyerArchive& archive) {
        const qint64 count = archive.recordCount();
        if (count == 0) {
            lblPosizione->clear();
            archive.close();
            empty = true;
            return;
        }
        const qint64 position = pagePosition();
        if (position >= count) {
            archive.close();
            return;
        }
        moveToPage(archive, position);
    });
    if (empty)
        app::ShowMessageBox(EmptyArchiveText(), app::MessageKind::Information, this);
}

void TfrmListinoPrezzi::cmdIndietroClick()
{
    bool empty = false;
    runArchiveCommand([&](storage::FlyerArchive& archive) {
        if (app::TrimBlanks(lblPosizione->text()) == QLatin1String("1")) {
            archive.close();
            return;
        }
        if (archive.recordCount() == 0) {
            archive.close();
            empty = true;
            return;
        }
        const qint64 position = pagePosition();
        moveToPage(archive, position == 0 ? 0 : position - 2);
    });
    if (empty)
        app::ShowMessageBox(EmptyArchiveText(), app::MessageKind::Information, this);
}

void TfrmListinoPrezzi::cmdUltimoClick()
{
    bool empty = false;
    runArchiveCommand([&](storage::FlyerArchive& archive) {
        const qint64 count = archive.recordCount();
        if (count == 0) {
            archive.close();
            empty = true;
            return;
        }
        moveToPage(archive, count - 1);
    });
    if (empty)
        app::ShowMessageBox(EmptyArchiveText(), app::MessageKind::Information, this);
}

void TfrmListinoPrezzi::cmdNuovoClick()
{
    ClearPage();
    m_txtNome[0]->setFocus(Qt::OtherFocusReason);
}

void TfrmListinoPrezzi::cmdSalvaClick()
{
    struct Required {
        QLineEdit* field;
        const char16_t* warning;
    };
    const Required required[] = {
        {m_txtNome[0], u"Attenzione: per salvare la scheda è necessario indicare il nome del primo prodotto."},
        {m_txtUM[0], u"Attenzione: per salvare la scheda è necessario indicare l'aspetto esteriore del primo "
                     u"prodotto."},
        {m_txtCaratteristiche[0], u"Attenzione: per salvare la scheda è necessario indicare le caratteristiche "
                                  u"del primo prodotto."},
        {m_txtCodice[0], u"Attenzione: per salvare la scheda è necessario indicare il codice articolo del primo "
                         u"prodotto."},
        {m_txtPrezzo[0], u"Attenzione: per salvare la scheda è necessario indicare il prezzo di vendita del primo "
                         u"prodotto."},
    };
    for (const Required& check : required) {
        if (app::TrimBlanks(check.field->text()).isEmpty()) {
            app::ShowMessageBox(QString::fromUtf16(check.warning), app::MessageKind::Warning, this);
            check.field->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // A price the archive cannot hold whole would be stored cut, as a different price.
    for (PriceEdit* price : m_txtPrezzo) {
        if (app::TrimBlanks(price->text()).size() > storage::kPrezzoField.maxLength) {
            app::ShowMessageBox(QStringLiteral("Attenzione: il prezzo di vendita indicato è troppo lungo per essere "
                                               "salvato in archivio."),
                                app::MessageKind::Warning, this);
            price->setFocus(Qt::OtherFocusReason);
            return;
        }
    }

    bool saved = false;
    bool appended = false;
    runArchiveCommand([&](storage::FlyerArchive& archive) {
        const qint64 position = pagePosition();
        if (position > 0) {
            archive.writePage(position - 1, FillPageRecord());
            lblPosizione->setText(QString::number(position));
        } else {
            const storage::PageRecord record = FillPageRecord();
            const qint64 count = archive.recordCount();
            archive.writePage(count, record);
            lblPosizione->setText(QString::number(count + 1));
            appended = true;
        }
        archive.close();
        saved = true;
    });
    if (!saved)
        return;
    SaveAllSlotPhotos();
    app::ShowMessageBox(appended ? QStringLiteral("La scheda corrente è stata inserita in archivio.")
                                 : QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate "
                                                  "in archivio."),
                        app::MessageKind::Information, this);
}

void TfrmListinoPrezzi::imgFotoClick(int slot)
{
    if (slot < 0 || slot >= 8)
        return;
    const QString file = app::Seam().openFileName(this, PhotoFileRequest());
    if (file.isEmpty())
        return;
    const std::optional<QImage> photo = storage::LoadPhoto(file);
    m_imgFoto[slot]->setPicture(photo ? *photo : BlankPicture());
}

void TfrmListinoPrezzi::cmdAnteprimaClick()
{
    print::RunPreviewCommand(*this);
}

void TfrmListinoPrezzi::cmdStampaClick()
{
    print::RunPrintCommand(*this);
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
    screens().frmAvvio->showScreen();
    hide();
}

} // namespace editor
