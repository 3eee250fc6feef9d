#pragma once

#include "app/ScreenWindows.h"

namespace app {

class TfrmAvvio : public app::MaximisedScreen {
    Q_OBJECT
public:
    explicit TfrmAvvio(app::Screens& screens);

protected:
    void onClose() override;
};

} // namespace app
