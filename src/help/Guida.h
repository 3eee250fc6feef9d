#pragma once

#include "app/ScreenWindows.h"

namespace help {

class TfrmGuida : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmGuida(app::Screens& screens, QWidget* owner = nullptr);
};

} // namespace help
