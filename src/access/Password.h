#pragma once

#include "app/ScreenWindows.h"

namespace accesso {

class TfrmPassword : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmPassword(app::Screens& screens, QWidget* owner = nullptr);
};

} // namespace accesso
