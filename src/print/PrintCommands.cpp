#include "print/PrintCommands.h"

namespace print {

void WritePreviewPictures(editor::TfrmListinoPrezzi&) {}
void ReloadPreviewPictures(editor::TfrmListinoPrezzi&) {}
void RunPreviewCommand(editor::TfrmListinoPrezzi&) {}
void RunPrintCommand(editor::TfrmListinoPrezzi&) {}

} // namespace print
