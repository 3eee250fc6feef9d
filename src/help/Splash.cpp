#include "help/Splash.h"

namespace help {

TfrmSplash::TfrmSplash(app::Screens& screens, QWidget* owner)
    : app::FixedDialogScreen(screens, QStringLiteral("frmSplash"), QStringLiteral(" Vetrinalia - Software libero per volantini offerte"), QSize(661, 467),
                             Qt::white, QColor(0x35, 0x25, 0x25), Centre::Owner, owner)
{
}

} // namespace help
