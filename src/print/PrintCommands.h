#pragma once

namespace editor {
class TfrmListinoPrezzi;
}

namespace print {

// The editor's eight pictures become preview pictures on disk and are read back.
void WritePreviewPictures(editor::TfrmListinoPrezzi& editor);
void ReloadPreviewPictures(editor::TfrmListinoPrezzi& editor);

// The editor's Anteprima and Stampa commands: preview pictures, then a fresh modal dialog.
void RunPreviewCommand(editor::TfrmListinoPrezzi& editor);
void RunPrintCommand(editor::TfrmListinoPrezzi& editor);

} // namespace print
