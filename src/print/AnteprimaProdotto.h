#pragma once

#include "app/ScreenWindows.h"

namespace print {

class TfrmAnteprimaProdotto : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmAnteprimaProdotto(app::Screens& screens, QWidget* owner = nullptr);
};

} // namespace print
