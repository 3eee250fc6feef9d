#include "ProgramScreens.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/CreaCatalogo.h"
#include "editor/ListinoPrezzi.h"
#include "help/Guida.h"
#include "help/Info.h"
#include "help/Splash.h"
#include "print/AnteprimaProdotto.h"
#include "print/StampaProdotto.h"
#include "start/Avvio.h"
#include "ui/Program.h"

namespace testing {

ProgramScreens::ProgramScreens()
    : m_registry(ui::CreateScreens())
    , frmPassword(m_registry->find<login::TfrmPassword>())
    , frmAnteprimaProdotto(m_registry->find<print::TfrmAnteprimaProdotto>())
    , frmApriCatalogo(m_registry->find<catalog::TfrmApriCatalogo>())
    , frmAvvio(m_registry->find<start::TfrmAvvio>())
    , frmCambiaPassword(m_registry->find<login::TfrmCambiaPassword>())
    , frmCreaCatalogo(m_registry->find<catalog::TfrmCreaCatalogo>())
    , frmGuida(m_registry->find<help::TfrmGuida>())
    , frmInfo(m_registry->find<help::TfrmInfo>())
    , frmListinoPrezzi(m_registry->find<editor::TfrmListinoPrezzi>())
    , frmSplash(m_registry->find<help::TfrmSplash>())
    , frmStampaProdotto(m_registry->find<print::TfrmStampaProdotto>())
{ }

ProgramScreens::~ProgramScreens() = default;

} // namespace testing
