#pragma once

#include "app/ScreenWindows.h"

class QLabel;
class QLineEdit;

namespace app {
class PictureButton;
}

namespace catalog {

// Asks for the name of a new flyer and creates its empty archive in the program folder.
class TfrmCreaCatalogo : public app::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmCreaCatalogo(app::Screens& screens);

    // Commands.
    void btnApplicaClick();
    void btnAnnullaClick();
    void imgGuidaClick();

    QLineEdit* txtFile = nullptr;
    QLabel* lblFile = nullptr; // archive path while the confirm command runs
    app::PictureButton* btnAnnulla = nullptr;
    app::PictureButton* btnApplica = nullptr;
    app::PictureButton* imgGuida = nullptr;

protected:
    void onShow() override;
    void onClose() override;

private:
    void confirmCommand();
};

// The characters the name field throws away when typed: " * / : < > ? \ ° Ç Ñ ç ñ.
bool IsFilteredNameKey(QChar c);

} // namespace catalog
