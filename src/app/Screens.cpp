#include "app/Screens.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "app/Avvio.h"
#include "catalog/ApriCatalogo.h"
#include "catalog/CreaCatalogo.h"
#include "editor/ListinoPrezzi.h"
#include "help/Guida.h"
#include "help/Info.h"
#include "help/Splash.h"
#include "print/AnteprimaProdotto.h"
#include "print/StampaProdotto.h"

#include <QCoreApplication>

namespace app {

Screens::Screens()
{
    frmPassword = new accesso::TfrmPassword(*this);
    frmAnteprimaProdotto = new print::TfrmAnteprimaProdotto(*this);
    frmApriCatalogo = new catalog::TfrmApriCatalogo(*this);
    frmAvvio = new TfrmAvvio(*this);
    frmCambiaPassword = new accesso::TfrmCambiaPassword(*this);
    frmCreaCatalogo = new catalog::TfrmCreaCatalogo(*this);
    frmGuida = new help::TfrmGuida(*this);
    frmInfo = new help::TfrmInfo(*this);
    frmListinoPrezzi = new editor::TfrmListinoPrezzi(*this);
    frmSplash = new help::TfrmSplash(*this);
    frmStampaProdotto = new print::TfrmStampaProdotto(*this);
}

Screens::~Screens()
{
    delete frmStampaProdotto;
    delete frmSplash;
    delete frmListinoPrezzi;
    delete frmInfo;
    delete frmGuida;
    delete frmCreaCatalogo;
    delete frmCambiaPassword;
    delete frmAvvio;
    delete frmApriCatalogo;
    delete frmAnteprimaProdotto;
    delete frmPassword;
}

void Screens::showMainWindow()
{
    frmPassword->show();
}

void EndProgram()
{
    QCoreApplication::exit(0);
}

} // namespace app
