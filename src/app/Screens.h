#pragma once

#include "ui/ScreenRegistry.h"

namespace login {
class TfrmPassword;
class TfrmCambiaPassword;
} // namespace login
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
namespace start {
class TfrmAvvio;
}

namespace app {

// The screen registry: one long-lived instance of each screen class, created in this
// order at start-up, hidden until the flow shows it.
class Screens : public ui::ScreenRegistry {
public:
    Screens();
    ~Screens() override;
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    void showMainWindow() override;
    void show(ui::ScreenId screen) override;
    void openFlyer(const QString& archivePath, const QString& title) override;
    void endProgram() override;
    QList<QWidget*> all() const override;

    login::TfrmPassword* frmPassword = nullptr;
    print::TfrmAnteprimaProdotto* frmAnteprimaProdotto = nullptr;
    catalog::TfrmApriCatalogo* frmApriCatalogo = nullptr;
    start::TfrmAvvio* frmAvvio = nullptr;
    login::TfrmCambiaPassword* frmCambiaPassword = nullptr;
    catalog::TfrmCreaCatalogo* frmCreaCatalogo = nullptr;
    help::TfrmGuida* frmGuida = nullptr;
    help::TfrmInfo* frmInfo = nullptr;
    editor::TfrmListinoPrezzi* frmListinoPrezzi = nullptr;
    help::TfrmSplash* frmSplash = nullptr;
    print::TfrmStampaProdotto* frmStampaProdotto = nullptr;
};

} // namespace app
