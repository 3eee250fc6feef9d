#pragma once

#include "app/ScreenWindows.h"

namespace app {

class PictureButton;

// The start screen: the ways to create or open a flyer, help, information, the maker's
// notice and web site, and out of the program.
class TfrmAvvio : public app::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmAvvio(app::Screens& screens);

    // Commands.
    void imgApp01Click(); // create a flyer (also btnApp01)
    void imgApp02Click(); // open a flyer (also btnApp02)
    void imgGuidaClick();
    void imgInfoClick();
    void imgCopyrightClick();
    void imgSitoClick();
    void imgEsciClick();

    PictureButton* imgInfo = nullptr;
    PictureButton* imgGuida = nullptr;
    PictureButton* imgApp01 = nullptr;
    PictureButton* btnApp01 = nullptr;
    PictureButton* imgApp02 = nullptr;
    PictureButton* btnApp02 = nullptr;
    PictureButton* imgSito = nullptr;
    PictureButton* imgCopyright = nullptr;
    PictureButton* imgEsci = nullptr;

protected:
    void onClose() override;
};

} // namespace app
