#include "app/Avvio.h"

#include "app/Screens.h"
#include "app/Startup.h"

namespace app {

TfrmAvvio::TfrmAvvio(app::Screens& screens)
    : app::MaximisedScreen(screens, QStringLiteral("frmAvvio"), QStringLiteral(" Vetrinalia"),
                           QColor(0x46, 0x82, 0xB4), Qt::white)
{
    app::ApplyNumberSettings();
}

void TfrmAvvio::onClose()
{
    app::EndProgram();
}

} // namespace app
