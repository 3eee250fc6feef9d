#include "access/CambiaPassword.h"

namespace accesso {

TfrmCambiaPassword::TfrmCambiaPassword(app::Screens& screens, QWidget* owner)
    : app::FixedDialogScreen(screens, QStringLiteral("frmCambiaPassword"), QStringLiteral(" Cambia password"), QSize(411, 418),
                             QColor(0x46, 0x82, 0xB4), Qt::white, Centre::Screen, owner)
{
}

} // namespace accesso
