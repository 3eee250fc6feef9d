#pragma once

#include "app/ScreenWindows.h"

namespace accesso {

class TfrmCambiaPassword : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(app::Screens& screens, QWidget* owner = nullptr);
};

} // namespace accesso
