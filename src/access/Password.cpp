#include "access/Password.h"

namespace accesso {

TfrmPassword::TfrmPassword(app::Screens& screens, QWidget* owner)
    : app::FixedDialogScreen(screens, QStringLiteral("frmPassword"), QStringLiteral(" Vetrinalia - Accesso"), QSize(388, 405),
                             QColor(0x46, 0x82, 0xB4), Qt::white, Centre::Screen, owner)
{
}

} // namespace accesso
