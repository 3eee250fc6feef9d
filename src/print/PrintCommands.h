#pragma once

#include "print/PageContent.h"

#include <bitset>

class QWidget;

namespace ui {
class ScreenRegistry;
}

namespace print {

// Which of the slots A..H (bits 0..7) a step handled.
using SlotSet = std::bitset<8>;

// What the preview pictures step read back: the slots, and their pictures.
struct ReloadedPictures {
    SlotSet slots;
    storage::SlotPictures pictures;
};

// The page's eight pictures become preview pictures on disk, stretched to 366 x 274, in
// the order A to H; the first failure ends the step. Returns the slots written.
SlotSet WritePreviewPictures(const PageContent& page);
// The page's pictures of the given slots become their preview pictures read back, A to H;
// the first failure ends the step. A slot left out, or not reached, keeps its picture.
ReloadedPictures ReloadPreviewPictures(PageContent& page, SlotSet slots);
// Both steps: the page then prints the preview pictures. The preview pictures are named
// per flyer, not per page: only a picture written by this step is read back, so a slot
// whose write failed never shows an older page's photo.
ReloadedPictures PreparePreviewPictures(PageContent& page);

// The Anteprima and Stampa dialogs on a page: fresh, modal, owned by owner, destroyed when
// they close.
void RunPreviewDialog(ui::ScreenRegistry& screens, QWidget* owner, const PageContent& page);
void RunPrintDialog(ui::ScreenRegistry& screens, QWidget* owner, const PageContent& page);

} // namespace print
