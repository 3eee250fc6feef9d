#pragma once

#include "editor/FlyerPages.h"
#include "print/PageContent.h"
#include "storage/FlyerArchive.h"
#include "ui/Dialogs.h"
#include "ui/ScreenWindows.h"

#include <QImage>
#include <QList>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;

namespace editor {

class PhotoBox;
class PriceEdit;

// The page editor: one page of the open flyer as eight product boxes.
class TfrmListinoPrezzi : public ui::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmListinoPrezzi(ui::ScreenRegistry& screens);

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

    // The page on screen as it prints: its fields, its pictures, the title and its number.
    print::PageContent pageContent() const;

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
    // Click on imgFoto_A (slot 0) to imgFoto_H (slot 7): picks a picture file for the slot.
    void imgFotoClick(int slot);

    // The open-file dialog of the photo boxes.
    static ui::FileRequest PhotoFileRequest();

    // The field the Enter key leads to from the given one (the editor chain), or nullptr.
    QLineEdit* nextInChain(const QLineEdit* field) const;

    // Messages of the editor.
    static QString AccessErrorText();
    static QString EmptyArchiveText();

protected:
    void onShow() override;
    void onClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using PageStep = std::function<PageMove(const FlyerPages&, const QString&)>;

    QWidget* buildFrame();
    void buildCommands(QWidget* frame);
    void buildLabels(QWidget* frame);
    void buildSlot(QWidget* frame, int slot);
    void chainFields();
    void addBackground(QWidget* widget);

    // The rules over the open archive, named by lblFile.
    FlyerPages pages() const;
    // Runs a command on the archive; a storage failure shows the access error once the
    // archive is released. True when the command ran to its end.
    bool runArchiveCommand(const std::function<void()>& command);
    // A move through the archive from the page on screen.
    void move(const PageStep& step);
    // The field a refused save sends the focus to.
    QLineEdit* refusedField(const SaveRefusal& refusal) const;
    // The page on screen after the preview pictures step, which the boxes then show.
    print::PageContent printedPage();

    std::array<QLineEdit*, 8> m_txtNome{};
    std::array<QLineEdit*, 8> m_txtUM{};
    std::array<QLineEdit*, 8> m_txtCaratteristiche{};
    std::array<QLineEdit*, 8> m_txtCodice{};
    std::array<PriceEdit*, 8> m_txtPrezzo{};
    std::array<PhotoBox*, 8> m_imgFoto{};
    std::array<QLineEdit*, 40> m_chain{}; // the 40 fields in tab and Enter order
    QList<QWidget*> m_backgrounds;        // moving over these empties the status line
    QWidget* m_title = nullptr;           // the black bar lblNome lies on
};

} // namespace editor
