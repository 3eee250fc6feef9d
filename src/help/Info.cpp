#include "help/Info.h"

namespace help {

TfrmInfo::TfrmInfo(app::Screens& screens, QWidget* owner)
    : app::FixedDialogScreen(screens, QStringLiteral("frmInfo"), QStringLiteral(" Informazioni su Vetrinalia"), QSize(473, 579),
                             QColor(0x46, 0x82, 0xB4), Qt::white, Centre::Screen, owner)
{
}

} // namespace help
