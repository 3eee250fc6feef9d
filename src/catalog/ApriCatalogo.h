#pragma once

#include "ui/ScreenWindows.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace ui {
class Picture;
class PictureButton;
} // namespace ui

namespace catalog {

// Lists the flyers of the program folder; opens one in the page editor or deletes one.
class TfrmApriCatalogo : public ui::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmApriCatalogo(ui::ScreenRegistry& screens);

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
    ui::PictureButton* btnElimina = nullptr;
    ui::PictureButton* btnAnnulla = nullptr;
    ui::PictureButton* btnApri = nullptr;
    ui::PictureButton* imgGuida = nullptr;

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
