#include "start/Avvio.h"

#include "ui/ScreenRegistry.h"
#include "ui/Widgets.h"
#include "help/HelpWindows.h"

namespace start {

using ui::Picture;
using ui::PictureButton;
using ui::Place;
using ui::Rect;

TfrmAvvio::TfrmAvvio(ui::ScreenRegistry& screens)
    : ui::MaximisedScreen(screens, QStringLiteral("frmAvvio"), QStringLiteral(" Vetrinalia"),
                           QColor(0x46, 0x82, 0xB4), Qt::white)
{

    auto* panel = new QWidget(content());
    panel->setObjectName(QStringLiteral("panAvvio"));
    Place(panel, (ui::kMaximisedContentSize.width() - 995) / 2, (ui::kMaximisedContentSize.height() - 692) / 2, 995, 692);

    const auto button = [panel](const char* name, const char* resource, const QString& accessibleName, int x,
                                int y, int w, int h) {
        auto* picture = new PictureButton(QString::fromLatin1(name), QString::fromLatin1(resource), accessibleName, panel);
        Place(picture, x, y, w, h);
        return picture;
    };
    const auto picture = [panel](const char* name, const char* resource, const QString& accessibleName, int x,
                                 int y, int w, int h) {
        auto* picture = new Picture(QString::fromLatin1(name), QString::fromLatin1(resource), panel);
        picture->setAccessibleName(accessibleName);
        Place(picture, x, y, w, h);
        return picture;
    };

    Place(new Rect(QStringLiteral("shpTop"), Qt::white, panel), 4, 4, 986, 120);
    imgInfo = button("imgInfo", ":/avvio/info.svg", QStringLiteral("Informazioni"), 14, 14, 30, 30);
    picture("imgTitolo", ":/avvio/titolo.svg", QStringLiteral("Vetrinalia"), 78, 24, 836, 60);
    imgGuida = button("imgGuida", ":/avvio/guida.svg", QStringLiteral("Guida"), 952, 16, 29, 28);
    picture("imgSottotitolo", ":/avvio/sottotitolo.svg",
            QStringLiteral("Software per creare e stampare su fogli A4 i volantini dei prodotti in offerta con le "
                           "immagini e i dati degli articoli proposti ai clienti"),
            17, 88, 961, 22);

    Place(new Rect(QStringLiteral("shpApp01"), Qt::white, panel), 4, 130, 490, 472);
    imgApp01 = button("imgApp01", ":/avvio/app01.svg", QStringLiteral("Crea nuovo volantino"), 64, 154, 368, 368);
    btnApp01 = button("btnApp01", ":/avvio/barra_crea.svg", QStringLiteral("Crea nuovo volantino"), 52, 532, 395, 53);

    Place(new Rect(QStringLiteral("shpApp02"), Qt::white, panel), 500, 130, 490, 472);
    imgApp02 = button("imgApp02", ":/avvio/app02.svg", QStringLiteral("Apri volantino esistente"), 560, 154, 368, 368);
    btnApp02 = button("btnApp02", ":/avvio/barra_apri.svg", QStringLiteral("Apri volantino esistente"), 548, 532, 395, 53);

    Place(new Rect(QStringLiteral("shpBottom"), Qt::white, panel), 4, 608, 986, 80);
    imgSito = button("imgSito", ":/avvio/sito.svg", QStringLiteral("Sito web"), 17, 628, 961, 22);
    imgSito->setAccessibleDescription(QStringLiteral("Vetrinalia © Studio Vetrinalia - Software libero con licenza MIT - Visita il sito "
                                                     "www.vetrinalia.example.org"));
    imgCopyright = button("imgCopyright", ":/avvio/copyright.svg", QStringLiteral("Copyright"), 16, 660, 23, 22);
    imgEsci = button("imgEsci", ":/avvio/esci.svg", QStringLiteral("Esci"), 960, 662, 17, 18);

    connect(imgApp01, &PictureButton::clicked, this, &TfrmAvvio::imgApp01Click);
    connect(btnApp01, &PictureButton::clicked, this, &TfrmAvvio::imgApp01Click);
    connect(imgApp02, &PictureButton::clicked, this, &TfrmAvvio::imgApp02Click);
    connect(btnApp02, &PictureButton::clicked, this, &TfrmAvvio::imgApp02Click);
    connect(imgGuida, &PictureButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    connect(imgInfo, &PictureButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgCopyright, &PictureButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(imgSito, &PictureButton::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgEsci, &PictureButton::clicked, this, &TfrmAvvio::imgEsciClick);
}

void TfrmAvvio::imgApp01Click()
{
    screens().show(ui::ScreenId::CreateFlyer);
    hide();
}

void TfrmAvvio::imgApp02Click()
{
    screens().show(ui::ScreenId::OpenFlyer);
    hide();
}

void TfrmAvvio::imgGuidaClick()
{
    help::ShowHelpTopic(screens(), this, help::HelpTopic::Start);
}

void TfrmAvvio::imgInfoClick()
{
    help::OpenInfo(screens(), this);
}

void TfrmAvvio::imgCopyrightClick()
{
    help::OpenSplash(screens(), this);
}

void TfrmAvvio::imgSitoClick()
{
    help::OpenWebSite();
}

void TfrmAvvio::imgEsciClick()
{
    screens().endProgram();
}

void TfrmAvvio::onClose()
{
    screens().endProgram();
}

} // namespace start
