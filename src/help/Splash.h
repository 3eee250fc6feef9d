#pragma once

#include "app/ScreenWindows.h"

class QPushButton;

namespace app {
class Picture;
class PictureButton;
class Rect;
} // namespace app

namespace help {

class LinkText;

// The splash screen: the maker's credits picture and a link to the maker's web site.
class TfrmSplash : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmSplash(app::Screens& screens, QWidget* owner = nullptr);

    QWidget* panContainer = nullptr;
    app::Picture* imgLogo = nullptr;
    app::Rect* shpWeb = nullptr;
    app::PictureButton* imgWeb = nullptr;
    LinkText* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;

    void btnChiudiClick();
    // Opens the maker's web site; also reached from imgWeb.
    void lnkWebClick();
};

} // namespace help
