#pragma once

#include "app/ScreenWindows.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace app {
class Picture;
class PictureButton;
} // namespace app

namespace catalog {

// Lists the flyers of the program folder; opens one in the page editor or deletes one.
class TfrmApriCatalogo : public app::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmApriCatalogo(app::Screens& screens);

    // Rebuilds the list from the program folder and sets the count line.
    void ListFlyers();

    // Commands.
    void btnApriClick();
    void btnEliminaClick();
    void btnAnnullaClick();
    void imgGuidaClick();

    QListWidget* lstFiles = nullptr;
    QLabel* lblCreati = nullptr;
    QLabel* lblMemory = nullptr; // "avvio" or "listino": where closing leads
    QLabel* lblFile = nullptr;   // archive path of the entry being opened or deleted
    app::PictureButton* btnElimina = nullptr;
    app::PictureButton* btnAnnulla = nullptr;
    app::PictureButton* btnApri = nullptr;
    app::PictureButton* imgGuida = nullptr;

protected:
    void onShow() override;
    void onClose() override;

private:
    void openCommand();
    void deleteCommand();
    void closeHandOff();
    QListWidgetItem* selectedEntry() const;
};

} // namespace catalog
