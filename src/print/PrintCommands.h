#pragma once

#include <bitset>

namespace editor {
class TfrmListinoPrezzi;
}

namespace print {

// Which of the slots A..H (bits 0..7) a step handled.
using SlotSet = std::bitset<8>;

// The editor's eight pictures become preview pictures on disk, stretched to 366 x 274, in
// the order A to H; the first failure ends the step. Returns the slots written.
SlotSet WritePreviewPictures(editor::TfrmListinoPrezzi& editor);
// The editor's images show the preview pictures of the given slots again, A to H; the first
// failure ends the step. A slot left out, or not reached, keeps the picture it had.
SlotSet ReloadPreviewPictures(editor::TfrmListinoPrezzi& editor, SlotSet slots);

// The editor's Anteprima and Stampa commands: preview pictures, then a fresh modal dialog
// owned by the editor, destroyed when it closes.
void RunPreviewCommand(editor::TfrmListinoPrezzi& editor);
void RunPrintCommand(editor::TfrmListinoPrezzi& editor);

} // namespace print
