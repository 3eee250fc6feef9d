#include "print/StampaProdotto.h"

namespace print {

TfrmStampaProdotto::TfrmStampaProdotto(app::Screens& screens, QWidget* owner)
    : app::FixedDialogScreen(screens, QStringLiteral("frmStampaProdotto"), QStringLiteral(" Stampa scheda"), QSize(364, 287),
                             QColor(0x42, 0x7A, 0xA8), Qt::white, Centre::Owner, owner)
{
}

} // namespace print
