#include "app/Screens.h"

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

#include <QCoreApplication>
#include <QLabel>

namespace app {

Screens::Screens()
{
    frmPassword = new login::TfrmPassword(*this);
    frmAnteprimaProdotto = new print::TfrmAnteprimaProdotto(*this);
    frmApriCatalogo = new catalog::TfrmApriCatalogo(*this);
    frmAvvio = new start::TfrmAvvio(*this);
    frmCambiaPassword = new login::TfrmCambiaPassword(*this);
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

void Screens::show(ui::ScreenId screen)
{
    switch (screen) {
    case ui::ScreenId::Login:
        frmPassword->showScreen();
        break;
    case ui::ScreenId::ChangePassword:
        frmCambiaPassword->showScreen();
        break;
    case ui::ScreenId::Start:
        frmAvvio->showScreen();
        break;
    case ui::ScreenId::CreateFlyer:
        frmCreaCatalogo->showScreen();
        break;
    case ui::ScreenId::OpenFlyer:
        frmApriCatalogo->showScreen();
        break;
    }
}

void Screens::openFlyer(const QString& archivePath, const QString& title)
{
    frmListinoPrezzi->lblFile->setText(archivePath);
    frmListinoPrezzi->lblNome->setText(title);
    frmListinoPrezzi->showScreen();
}

void Screens::endProgram()
{
    QCoreApplication::exit(0);
}

QList<QWidget*> Screens::all() const
{
    return {frmPassword,       frmAnteprimaProdotto,
            frmApriCatalogo,   frmAvvio,
            frmCambiaPassword, frmCreaCatalogo,
            frmGuida,          frmInfo,
            frmListinoPrezzi,  frmSplash,
            frmStampaProdotto};
}

} // namespace app
