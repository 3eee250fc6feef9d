#include "help/Guida.h"

namespace help {

TfrmGuida::TfrmGuida(app::Screens& screens, QWidget* owner)
    : app::FixedDialogScreen(screens, QStringLiteral("frmGuida"), QStringLiteral(" Guida all'utilizzo del software"), QSize(670, 572),
                             Qt::white, QColor(0xBF, 0xD8, 0xEF), Centre::Screen, owner)
{
}

} // namespace help
