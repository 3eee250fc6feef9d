#include "catalog/ApriCatalogo.h"

#include "app/Screens.h"
#include "app/Avvio.h"
#include "app/Startup.h"

namespace catalog {

TfrmApriCatalogo::TfrmApriCatalogo(app::Screens& screens)
    : app::MaximisedScreen(screens, QStringLiteral("frmApriCatalogo"), QStringLiteral(" Vetrinalia - Apertura volantino offerte"),
                           QColor(0x42, 0x7A, 0xA8), Qt::white)
{
    app::ApplyNumberSettings();
}

void TfrmApriCatalogo::onClose()
{
    screens().frmAvvio->showScreen();
    hide();
}

} // namespace catalog
