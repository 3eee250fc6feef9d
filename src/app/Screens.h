#pragma once

namespace accesso {
class TfrmPassword;
class TfrmCambiaPassword;
} // namespace accesso
namespace print {
class TfrmAnteprimaProdotto;
class TfrmStampaProdotto;
} // namespace print
namespace catalog {
class TfrmApriCatalogo;
class TfrmCreaCatalogo;
} // namespace catalog
namespace editor {
class TfrmListinoPrezzi;
}
namespace help {
class TfrmGuida;
class TfrmInfo;
class TfrmSplash;
} // namespace help

namespace app {

class TfrmAvvio;

// The screen registry: one long-lived instance of each screen class, created in this
// order at start-up, hidden until the flow shows it.
class Screens {
public:
    Screens();
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    // Shows the login screen, the first created and the main window.
    void showMainWindow();

    accesso::TfrmPassword* frmPassword = nullptr;
    print::TfrmAnteprimaProdotto* frmAnteprimaProdotto = nullptr;
    catalog::TfrmApriCatalogo* frmApriCatalogo = nullptr;
    TfrmAvvio* frmAvvio = nullptr;
    accesso::TfrmCambiaPassword* frmCambiaPassword = nullptr;
    catalog::TfrmCreaCatalogo* frmCreaCatalogo = nullptr;
    help::TfrmGuida* frmGuida = nullptr;
    help::TfrmInfo* frmInfo = nullptr;
    editor::TfrmListinoPrezzi* frmListinoPrezzi = nullptr;
    help::TfrmSplash* frmSplash = nullptr;
    print::TfrmStampaProdotto* frmStampaProdotto = nullptr;
};

// Ends the program: the event loop stops; no screen's close step runs.
void EndProgram();

} // namespace app
