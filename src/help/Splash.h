#pragma once

#include "app/ScreenWindows.h"

namespace help {

class TfrmSplash : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmSplash(app::Screens& screens, QWidget* owner = nullptr);
};

} // namespace help
