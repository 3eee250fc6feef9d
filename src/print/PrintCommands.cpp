#include "print/PrintCommands.h"

#include "app/Dialogs.h"
#include "app/Text.h"
#include "editor/ListinoPrezzi.h"
#include "editor/PhotoBox.h"
#include "print/AnteprimaProdotto.h"
#include "print/StampaProdotto.h"
#include "storage/PhotoStore.h"

#include <QLabel>

#include <memory>

namespace print {

namespace {

template <typename Dialog>
void RunDialog(editor::TfrmListinoPrezzi& editor)
{
    // The preview pictures are named per flyer, not per page: only a picture written by this
    // command is read back, so a slot whose write failed never shows an older page's photo.
    ReloadPreviewPictures(editor, WritePreviewPictures(editor));
    auto dialog = std::make_unique<Dialog>(editor.screens(), &editor);
    app::Seam().runModal(*dialog);
}

} // namespace

SlotSet WritePreviewPictures(editor::TfrmListinoPrezzi& editor)
{
    SlotSet written;
    storage::PhotoFolderPath();
    const QString title = app::TrimBlanks(editor.lblNome->text());
    for (int slot = 0; slot < 8; ++slot) {
        const QString path = storage::PreviewPicturePath(title, storage::SlotLetter(slot));
        if (!storage::SavePhoto(editor.imgFoto(slot)->picture(), path))
            break;
        written.set(slot);
    }
    return written;
}

SlotSet ReloadPreviewPictures(editor::TfrmListinoPrezzi& editor, SlotSet slots)
{
    SlotSet reloaded;
    storage::PhotoFolderPath();
    const QString title = app::TrimBlanks(editor.lblNome->text());
    for (int slot = 0; slot < 8; ++slot) {
        if (!slots.test(slot))
            continue;
        const std::optional<QImage> picture =
            storage::LoadPhoto(storage::PreviewPicturePath(title, storage::SlotLetter(slot)));
        if (!picture)
            break;
        editor.imgFoto(slot)->setPicture(*picture);
        reloaded.set(slot);
    }
    return reloaded;
}

void RunPreviewCommand(editor::TfrmListinoPrezzi& editor)
{
    RunDialog<TfrmAnteprimaProdotto>(editor);
}

void RunPrintCommand(editor::TfrmListinoPrezzi& editor)
{
    RunDialog<TfrmStampaProdotto>(editor);
}

} // namespace print
