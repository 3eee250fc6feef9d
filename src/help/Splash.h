#pragma once

#include "ui/ScreenWindows.h"

class QPushButton;

namespace ui {
class Picture;
class PictureButton;
class Rect;
} // namespace ui

namespace help {

class LinkText;

// The splash screen: the maker's credits picture and a link to the maker's web site.
class TfrmSplash : public ui::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmSplash(ui::ScreenRegistry& screens, QWidget* owner = nullptr);

    QWidget* panContainer = nullptr;
    ui::Picture* imgLogo = nullptr;
    ui::Rect* shpWeb = nullptr;
    ui::PictureButton* imgWeb = nullptr;
    LinkText* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;

    void btnChiudiClick();
    // Opens the maker's web site; also reached from imgWeb.
    void lnkWebClick();
};

} // namespace help
