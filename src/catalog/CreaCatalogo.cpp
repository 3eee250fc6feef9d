#include "catalog/CreaCatalogo.h"

#include "app/Screens.h"
#include "app/Avvio.h"
#include "app/Startup.h"

namespace catalog {

TfrmCreaCatalogo::TfrmCreaCatalogo(app::Screens& screens)
    : app::MaximisedScreen(screens, QStringLiteral("frmCreaCatalogo"), QStringLiteral(" Vetrinalia - Creazione volantino offerte"),
                           QColor(0x42, 0x7A, 0xA8), Qt::white)
{
    app::ApplyNumberSettings();
}

void TfrmCreaCatalogo::onClose()
{
    screens().frmAvvio->showScreen();
    hide();
}

} // namespace catalog
