#pragma once

#include "ui/ScreenRegistry.h"

#include <memory>

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

namespace testing {

// The program's eleven screens as start-up builds them, each reachable by its own type.
// Stands in wherever a screen wants the registry.
class ProgramScreens {
public:
    ProgramScreens();
    ~ProgramScreens();
    ProgramScreens(const ProgramScreens&) = delete;
    ProgramScreens& operator=(const ProgramScreens&) = delete;

    ui::ScreenRegistry& registry() const { return *m_registry; }
    operator ui::ScreenRegistry&() const { return *m_registry; }
    void showMainWindow() const { m_registry->showMainWindow(); }

private:
    std::unique_ptr<ui::ScreenRegistry> m_registry;

public:
    login::TfrmPassword* const frmPassword;
    print::TfrmAnteprimaProdotto* const frmAnteprimaProdotto;
    catalog::TfrmApriCatalogo* const frmApriCatalogo;
    start::TfrmAvvio* const frmAvvio;
    login::TfrmCambiaPassword* const frmCambiaPassword;
    catalog::TfrmCreaCatalogo* const frmCreaCatalogo;
    help::TfrmGuida* const frmGuida;
    help::TfrmInfo* const frmInfo;
    editor::TfrmListinoPrezzi* const frmListinoPrezzi;
    help::TfrmSplash* const frmSplash;
    print::TfrmStampaProdotto* const frmStampaProdotto;
};

} // namespace testing
