#pragma once

#include "app/ScreenWindows.h"

namespace help {

class TfrmInfo : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmInfo(app::Screens& screens, QWidget* owner = nullptr);
};

} // namespace help
