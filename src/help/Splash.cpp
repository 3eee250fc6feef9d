#include "help/Splash.h"

#include "help/LinkText.h"
#include "help/Maker.h"
#include "help/OpenURL.h"
#include "ui/Widgets.h"

#include <QPushButton>

namespace help {

TfrmSplash::TfrmSplash(ui::ScreenRegistry& screens, QWidget* owner)
    : ui::FixedDialogScreen(screens, QStringLiteral("frmSplash"), QStringLiteral(" Vetrinalia - ") + MakerNotice(),
                            QSize(661, 467), Qt::white, QColor(0x35, 0x25, 0x25), Centre::Owner, owner)
{
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    ui::Place(panContainer, 18, 14, 625, 438);

    imgLogo = new ui::Picture(QStringLiteral("imgLogo"), QStringLiteral(":/help/splash_credits.svg"), panContainer);
    imgLogo->setAccessibleName(QStringLiteral("Riconoscimenti di Vetrinalia"));
    ui::Place(imgLogo, 0, 0, 625, 380);

    // A light strip keeps the dark blue link readable on the dark end of the gradient.
    shpWeb = new ui::Rect(QStringLiteral("shpWeb"), QColor(0xFF, 0xFF, 0xFF), QColor(0xE6, 0xE0, 0xDA), panContainer);
    shpWeb->setBorder(QColor(0xB8, 0xA8, 0x98));
    ui::Place(shpWeb, 0, 394, 360, 44);

    imgWeb = new ui::PictureButton(QStringLiteral("imgWeb"), QStringLiteral(":/help/web.svg"),
                                   QStringLiteral("Sito web del produttore"), shpWeb);
    ui::Place(imgWeb, 4, 4, 39, 36);

    lnkWeb = new LinkText(QStringLiteral("lnkWeb"), MakerWebHost(), QStringLiteral("Sito web del produttore"), shpWeb);
    lnkWeb->setAccessibleDescription(QStringLiteral("Indirizzo del sito web del produttore"));
    lnkWeb->placeCentredLeft(52, 22);
    lnkWeb->setMaximumWidth(shpWeb->width() - 56);
    lnkWeb->attachIcon(imgWeb);
    connect(lnkWeb, &LinkText::activated, this, &TfrmSplash::lnkWebClick);

    btnChiudi = MakeCloseButton(panContainer, 10, QRect(465, 399, 160, 34));
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);

    btnChiudi->setFocus();
}

void TfrmSplash::btnChiudiClick()
{
    close();
}

void TfrmSplash::lnkWebClick()
{
    TMisc::Open(MakerWebSite());
}

} // namespace help
