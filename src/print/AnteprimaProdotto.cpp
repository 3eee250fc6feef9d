#include "print/AnteprimaProdotto.h"

namespace print {

TfrmAnteprimaProdotto::TfrmAnteprimaProdotto(app::Screens& screens, QWidget* owner)
    : app::FixedDialogScreen(screens, QStringLiteral("frmAnteprimaProdotto"), QStringLiteral(" Anteprima di stampa"), QSize(364, 287),
                             QColor(0x42, 0x7A, 0xA8), Qt::white, Centre::Owner, owner)
{
}

} // namespace print
