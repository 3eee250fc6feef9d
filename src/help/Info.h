#pragma once

#include "ui/ScreenWindows.h"

class QLabel;
class QPushButton;

namespace ui {
class Picture;
class PictureButton;
class Rect;
} // namespace ui

namespace help {

class LinkText;

// The information screen: what the program is, its licence, and a link that starts an
// e-mail to the maker.
class TfrmInfo : public ui::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmInfo(ui::ScreenRegistry& screens, QWidget* owner = nullptr);

    QWidget* panContainer = nullptr;
    ui::Rect* shpSfondo = nullptr;
    ui::Picture* imgLogo = nullptr;
    ui::Rect* shpDettagli = nullptr;
    ui::Picture* icoProdotto = nullptr;
    QLabel* lblProdotto = nullptr;
    QLabel* lblVersione = nullptr;
    QLabel* lblDescrizione = nullptr;
    QLabel* lblLicenza = nullptr;
    QLabel* lblContatti = nullptr;
    ui::PictureButton* imgEmail = nullptr;
    LinkText* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;

    void btnChiudiClick();
    // Starts an e-mail to the maker; also reached from imgEmail.
    void lnkWebClick();
};

} // namespace help
