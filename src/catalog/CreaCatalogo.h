#pragma once

#include "ui/ScreenWindows.h"

class QLabel;
class QLineEdit;

namespace ui {
class PictureButton;
}

namespace catalog {

// Asks for the name of a new flyer and creates its empty archive in the program folder.
class TfrmCreaCatalogo : public ui::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmCreaCatalogo(ui::ScreenRegistry& screens);

    // Commands.
    void btnApplicaClick();
    void btnAnnullaClick();
    void imgGuidaClick();

    QLineEdit* txtFile = nullptr;
    QLabel* lblFile = nullptr; // archive path while the confirm command runs
    ui::PictureButton* btnAnnulla = nullptr;
    ui::PictureButton* btnApplica = nullptr;
    ui::PictureButton* imgGuida = nullptr;

protected:
    void onShow() override;
    void onClose() override;

private:
    void confirmCommand();
};

// The characters the name field throws away when typed: " * / : < > ? \ ° Ç Ñ ç ñ.
bool IsFilteredNameKey(QChar c);

} // namespace catalog
