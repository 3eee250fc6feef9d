#pragma once

#include "app/ScreenWindows.h"
#include "storage/FlyerArchive.h"

#include <QImage>

#include <array>

class QLabel;
class QLineEdit;

namespace app {
class PictureButton;
}

namespace editor {

class PhotoBox;
class PriceEdit;

// The page editor: one page of the open flyer as eight product boxes.
class TfrmListinoPrezzi : public app::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmListinoPrezzi(app::Screens& screens);

    // Slots are indexed 0 (A) to 7 (H).
    QLineEdit* txtNome(int slot) const { return m_txtNome[slot]; }
    QLineEdit* txtUM(int slot) const { return m_txtUM[slot]; }
    QLineEdit* txtCaratteristiche(int slot) const { return m_txtCaratteristiche[slot]; }
    QLineEdit* txtCodice(int slot) const { return m_txtCodice[slot]; }
    PriceEdit* txtPrezzo(int slot) const { return m_txtPrezzo[slot]; }
    PhotoBox* imgFoto(int slot) const { return m_imgFoto[slot]; }

    // State labels: archive path (hidden), flyer title, page number (empty for a new page).
    QLabel* lblFile = nullptr;
    QLabel* lblNome = nullptr;
    QLabel* lblPosizione = nullptr;
    QLabel* panInfo = nullptr;

    // The placeholder picture of an empty slot, held by the hidden imgBianco.
    PhotoBox* imgBianco = nullptr;
    QImage BlankPicture() const;

    // Blanks the page: empty texts, prices "0,00", blank pictures, lblPosizione empty,
    // focus in txtNome_A.
    void ClearPage();
    // Puts one record's 40 texts on screen.
    void ShowPageRecord(const storage::PageRecord& record);
    // The record of the 40 fields as they stand.
    storage::PageRecord FillPageRecord() const;

    // Photo store steps on the eight slots; every failure leaves that slot blank.
    void SaveAllSlotPhotos();
    void LoadAllSlotPhotos();

    // Commands.
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdGuidaClick();
    void cmdEsciClick();

protected:
    void onShow() override;
    void onClose() override;

private:
    std::array<QLineEdit*, 8> m_txtNome{};
    std::array<QLineEdit*, 8> m_txtUM{};
    std::array<QLineEdit*, 8> m_txtCaratteristiche{};
    std::array<QLineEdit*, 8> m_txtCodice{};
    std::array<PriceEdit*, 8> m_txtPrezzo{};
    std::array<PhotoBox*, 8> m_imgFoto{};
};

} // namespace editor
