#pragma once

#include "app/ScreenWindows.h"

namespace print {

class TfrmStampaProdotto : public app::FixedDialogScreen {
    Q_OBJECT
public:
    explicit TfrmStampaProdotto(app::Screens& screens, QWidget* owner = nullptr);
};

} // namespace print
