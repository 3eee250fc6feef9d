#include "print/PrintCommands.h"

#include "print/AnteprimaProdotto.h"
#include "print/StampaProdotto.h"
#include "storage/PhotoStore.h"
#include "ui/Dialogs.h"

#include <memory>

namespace print {

namespace {

template <typename Dialog>
void RunDialog(ui::ScreenRegistry& screens, QWidget* owner, const PageContent& page)
{
    auto dialog = std::make_unique<Dialog>(screens, owner);
    dialog->setPage(page);
    ui::Seam().runModal(*dialog);
}

} // namespace

SlotSet WritePreviewPictures(const PageContent& page)
{
    SlotSet written;
    storage::PhotoFolderPath();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const QString path = storage::PreviewPicturePath(page.title, storage::SlotLetter(slot));
        if (!storage::SavePhoto(page.slots[slot].picture, path))
            break;
        written.set(slot);
    }
    return written;
}

ReloadedPictures ReloadPreviewPictures(PageContent& page, SlotSet slots)
{
    ReloadedPictures reloaded;
    storage::PhotoFolderPath();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!slots.test(slot))
            continue;
        const std::optional<QImage> picture =
            storage::LoadPhoto(storage::PreviewPicturePath(page.title, storage::SlotLetter(slot)));
        if (!picture)
            break;
        page.slots[slot].picture = *picture;
        reloaded.pictures[slot] = *picture;
        reloaded.slots.set(slot);
    }
    return reloaded;
}

ReloadedPictures PreparePreviewPictures(PageContent& page)
{
    return ReloadPreviewPictures(page, WritePreviewPictures(page));
}

void RunPreviewDialog(ui::ScreenRegistry& screens, QWidget* owner, const PageContent& page)
{
    RunDialog<TfrmAnteprimaProdotto>(screens, owner, page);
}

void RunPrintDialog(ui::ScreenRegistry& screens, QWidget* owner, const PageContent& page)
{
    RunDialog<TfrmStampaProdotto>(screens, owner, page);
}

} // namespace print
