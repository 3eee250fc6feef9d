#pragma once

#include "app/ScreenWindows.h"

class QLabel;
class QPushButton;

namespace app {
class Picture;
class PictureButton;
class Rect;
} // namespace app

namespace help {

class LinkText;

// The information screen: what the program is, its licence, and a link that starts an
// e-mail to the maker.
class TfrmInfo : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmInfo(app::Screens& screens, QWidget* owner = nullptr);

    QWidget* panContainer = nullptr;
    app::Rect* shpSfondo = nullptr;
    app::Picture* imgLogo = nullptr;
    app::Rect* shpDettagli = nullptr;
    app::Picture* icoProdotto = nullptr;
    QLabel* lblProdotto = nullptr;
    QLabel* lblVersione = nullptr;
    QLabel* lblDescrizione = nullptr;
    QLabel* lblLicenza = nullptr;
    QLabel* lblContatti = nullptr;
    app::PictureButton* imgEmail = nullptr;
    LinkText* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;

    void btnChiudiClick();
    // Starts an e-mail to the maker; also reached from imgEmail.
    void lnkWebClick();
};

} // namespace help
