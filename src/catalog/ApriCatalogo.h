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
    // Price lists and whole flyers, on the selected entry (ApriCatalogoExchange.cpp).
    void btnImportaListinoClick();
    void btnEsportaPdfClick();
    void btnEsportaImmaginiClick();
    void btnEsportaListinoClick();

    QListWidget* lstFiles = nullptr;
    QLabel* lblCreati = nullptr;
    QLabel* lblMemory = nullptr; // "avvio" or "listino": where closing leads
    QLabel* lblFile = nullptr;   // archive path of the entry being opened or deleted
    ui::PictureButton* btnElimina = nullptr;
    ui::PictureButton* btnAnnulla = nullptr;
    ui::PictureButton* btnApri = nullptr;
    ui::PictureButton* imgGuida = nullptr;
    ui::PictureButton* btnImportaListino = nullptr;
    ui::PictureButton* btnEsportaPdf = nullptr;
    ui::PictureButton* btnEsportaImmagini = nullptr;
    ui::PictureButton* btnEsportaListino = nullptr;

protected:
    void onShow() override;
    void onClose() override;

private:
    void openCommand();
    void deleteCommand();
    void closeHandOff();
    QListWidgetItem* selectedEntry() const;
    // The selected entry, or nothing after the open command's warning.
    QListWidgetItem* entryForCommand();
    void buildExchangeButtons(QWidget* panel);
    void importCommand();
    void exportPdfCommand();
    void exportPicturesCommand();
    void exportListCommand();
};

} // namespace catalog
