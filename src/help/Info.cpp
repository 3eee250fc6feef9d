#include "help/Info.h"

#include "ui/Widgets.h"
#include "help/LinkText.h"
#include "help/Maker.h"
#include "help/OpenURL.h"

#include <QLabel>
#include <QPushButton>

namespace help {

namespace {

QLabel* MakeText(const QString& name, const QString& text, const QString& description, const QFont& font,
                 const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette look = label->palette();
    look.setColor(QPalette::WindowText, colour);
    label->setPalette(look);
    label->setAccessibleDescription(description);
    return label;
}

} // namespace

TfrmInfo::TfrmInfo(ui::ScreenRegistry& screens, QWidget* owner)
    : ui::FixedDialogScreen(screens, QStringLiteral("frmInfo"), QStringLiteral(" Informazioni su Vetrinalia"), QSize(473, 579),
                             QColor(0x46, 0x82, 0xB4), Qt::white, Centre::Screen, owner)
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    ui::Place(panContainer, 15, 15, 443, 490);

    shpSfondo = new ui::Rect(QStringLiteral("shpSfondo"), Qt::white, panContainer);
    shpSfondo->setBorder(QColor(0x84, 0xAD, 0xD0));
    ui::Place(shpSfondo, 0, 0, 443, 74);
    imgLogo = new ui::Picture(QStringLiteral("imgLogo"), QStringLiteral(":/help/info_banner.svg"), shpSfondo);
    imgLogo->setAccessibleName(QStringLiteral("Informazioni sul programma"));
    ui::Place(imgLogo, 25, 10, 392, 54);

    shpDettagli = new ui::Rect(QStringLiteral("shpDettagli"), Qt::white, panContainer);
    shpDettagli->setBorder(QColor(0x84, 0xAD, 0xD0));
    ui::Place(shpDettagli, 0, 86, 443, 404);

    icoProdotto = new ui::Picture(QStringLiteral("icoProdotto"), QStringLiteral(":/help/info_product.svg"), shpDettagli);
    icoProdotto->setAccessibleName(QStringLiteral("Volantino offerte"));
    ui::Place(icoProdotto, 18, 18, 72, 84);

    const QColor ink(0x1F, 0x3A, 0x5F);
    QFont titleFont(QStringLiteral("Verdana"), 20);
    titleFont.setBold(true);
    lblProdotto = MakeText(QStringLiteral("lblProdotto"), QStringLiteral("Vetrinalia"), QStringLiteral("Nome del programma"),
                           titleFont, QColor(0xB2, 0x22, 0x22), shpDettagli);
    ui::Place(lblProdotto, 106, 26, 320, 36);
    QFont versionFont(QStringLiteral("Verdana"), 11);
    versionFont.setBold(true);
    lblVersione = MakeText(QStringLiteral("lblVersione"), QStringLiteral("Versione ") + ProductVersion(),
                           QStringLiteral("Versione del programma"), versionFont, QColor(0x1F, 0x4E, 0x79), shpDettagli);
    ui::Place(lblVersione, 108, 64, 320, 24);

    const QFont textFont(QStringLiteral("Verdana"), 10);
    lblDescrizione = MakeText(
        QStringLiteral("lblDescrizione"),
        QStringLiteral("Software per creare e stampare su fogli A4 i volantini dei prodotti in offerta con le immagini "
                       "e i dati degli articoli proposti ai clienti. Ogni volantino è un archivio nella cartella del "
                       "programma: copiare la cartella basta per farne una copia di sicurezza."),
        QStringLiteral("Descrizione del programma"), textFont, ink, shpDettagli);
    ui::Place(lblDescrizione, 18, 118, 407, 96);

    lblLicenza = MakeText(
        QStringLiteral("lblLicenza"),
        QStringLiteral("Vetrinalia è software libero distribuito con licenza MIT: può essere usato, copiato, "
                       "modificato e ridistribuito liberamente, anche per scopi commerciali, purché sia mantenuta "
                       "la nota di copyright e di licenza."),
        QStringLiteral("Licenza del programma"), textFont, ink, shpDettagli);
    ui::Place(lblLicenza, 18, 222, 407, 80);

    lblContatti = MakeText(
        QStringLiteral("lblContatti"),
        QStringLiteral("Per richiedere informazioni, inviare suggerimenti o segnalare un problema, fare clic "
                       "sull'indirizzo di posta elettronica qui sotto. Sito web: ")
            + MakerWebHost(),
        QStringLiteral("Come contattare il produttore"), textFont, ink, shpDettagli);
    ui::Place(lblContatti, 18, 310, 407, 80);

    btnChiudi = MakeCloseButton(this, 12, QRect(297, 523, 161, 41));
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);

    imgEmail = new ui::PictureButton(QStringLiteral("imgEmail"), QStringLiteral(":/help/email.svg"),
                                      QStringLiteral("Scrivi al produttore"), this);
    ui::Place(imgEmail, 15, 536, 23, 16);

    lnkWeb = new LinkText(QStringLiteral("lnkWeb"), MakerEmail(), QStringLiteral("Scrivi al produttore"), this);
    lnkWeb->setAccessibleDescription(QStringLiteral("Indirizzo di posta elettronica del produttore"));
    lnkWeb->placeCentredLeft(46, 544);
    lnkWeb->attachIcon(imgEmail);
    connect(lnkWeb, &LinkText::activated, this, &TfrmInfo::lnkWebClick);

    btnChiudi->setFocus();
}

void TfrmInfo::btnChiudiClick()
{
    close();
}

void TfrmInfo::lnkWebClick()
{
    TMisc::Open(MakerMailCommand());
}

} // namespace help
