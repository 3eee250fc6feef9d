#pragma once

#include "ui/ScreenWindows.h"

namespace ui {
class PictureButton;
}

namespace start {

// The start screen: the ways to create or open a flyer, help, information, the maker's
// notice and web site, and out of the program.
class TfrmAvvio : public ui::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmAvvio(ui::ScreenRegistry& screens);

    // Commands.
    void imgApp01Click(); // create a flyer (also btnApp01)
    void imgApp02Click(); // open a flyer (also btnApp02)
    void imgGuidaClick();
    void imgInfoClick();
    void imgCopyrightClick();
    void imgSitoClick();
    void imgEsciClick();

    ui::PictureButton* imgInfo = nullptr;
    ui::PictureButton* imgGuida = nullptr;
    ui::PictureButton* imgApp01 = nullptr;
    ui::PictureButton* btnApp01 = nullptr;
    ui::PictureButton* imgApp02 = nullptr;
    ui::PictureButton* btnApp02 = nullptr;
    ui::PictureButton* imgSito = nullptr;
    ui::PictureButton* imgCopyright = nullptr;
    ui::PictureButton* imgEsci = nullptr;

protected:
    void onClose() override;
};

} // namespace start
